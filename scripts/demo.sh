#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build"
# The demo of the whole product comes with the trend commands; until then the
# main job prints the control's string table.
"$root/build/velkor" strings
