#!/usr/bin/env bash
# Cross-compiles the project for 64-bit Windows with MinGW-w64:
#   scripts/build-windows.sh [BUILD_DIR] [extra cmake args...]
# The third-party sources are fetched once into BUILD_DIR/deps; ctest in
# BUILD_DIR then runs the Windows programs under Wine (scripts/wine-run).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Paths below the checkout hash alike in every clone, so ccache serves them all.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
build=${1:-$root/build-windows}
shift || true
bash "$root/scripts/windows-deps.sh" "$build"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
