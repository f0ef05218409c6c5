#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, then
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh" --tests

bash "$root/scripts/build.sh" "$root/build" -DVELKOR_BUILD_TESTS=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"

if [ "${VELKOR_SKIP_SANITIZERS:-0}" != 1 ]; then
  CC=clang CXX=clang++ bash "$root/scripts/build.sh" "$root/build-asan" \
    -DVELKOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DVELKOR_BUILD_TESTS=ON
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)"
fi
