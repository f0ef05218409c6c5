#!/usr/bin/env bash
# Configures and builds the project: scripts/build.sh [BUILD_DIR] [extra cmake args...]
# VELKOR_TARGETS="a b" builds only those targets (default: everything).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Paths below the checkout hash alike in every clone, so ccache serves them all.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
build=${1:-$root/build}
shift || true
cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
targets=()
for target in ${VELKOR_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
