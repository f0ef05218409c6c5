#!/usr/bin/env bash
# Installs what is missing, builds the velkor command alone (not the tests),
# and runs the demo: a trend built, edited, saved, reopened and deleted in a
# sample workbook, with an HTML report.
# Usage: bash scripts/demo.sh [OUTPUT_FOLDER]   (default: ./velkor-demo)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
# A fresh build folder leaves the tests out; one configured already (by
# scripts/test.sh, say) keeps its settings.
configure=()
[ -f "$root/build/CMakeCache.txt" ] || configure=(-DVELKOR_BUILD_TESTS=OFF)
VELKOR_TARGETS=velkor_cli bash "$root/scripts/build.sh" "$root/build" "${configure[@]}"
"$root/build/velkor" demo --out "${1:-velkor-demo}"
