#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, then
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang),
# then each fuzz target briefly.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh" --tests

bash "$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"

if [ "${VELKOR_SKIP_SANITIZERS:-0}" != 1 ]; then
  CC=clang CXX=clang++ bash "$root/scripts/build.sh" "$root/build-asan" \
    -DVELKOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DVELKOR_BUILD_FUZZ=ON
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)"
  # Every fuzz target builds and runs a little, so that none breaks unseen;
  # scripts/fuzz runs them for longer.
  bash "$root/scripts/fuzz" -t "${VELKOR_FUZZ_SECONDS:-20}" -b "$root/build-asan"
fi
