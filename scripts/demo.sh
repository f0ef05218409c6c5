#!/usr/bin/env bash
# Installs what is missing, builds, and runs the demo: a trend built, edited,
# saved, reopened and deleted in a sample workbook, with an HTML report.
# Usage: bash scripts/demo.sh [OUTPUT_FOLDER]   (default: ./velkor-demo)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build"
"$root/build/velkor" demo --out "${1:-velkor-demo}"
