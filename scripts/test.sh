#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, then
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang),
# then each fuzz target briefly, then the Windows build's tests and scenarios
# under Wine. VELKOR_SKIP_SANITIZERS=1 or VELKOR_SKIP_WINDOWS=1 leaves a pass out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
setup=(--tests --bench)
[ "${VELKOR_SKIP_WINDOWS:-0}" = 1 ] || setup+=(--windows)
bash "$root/scripts/setup.sh" "${setup[@]}"

bash "$root/scripts/build.sh" "$root/build" -DVELKOR_BUILD_TESTS=ON -DVELKOR_BUILD_BENCH=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"

if [ "${VELKOR_SKIP_SANITIZERS:-0}" != 1 ]; then
  CC=clang CXX=clang++ bash "$root/scripts/build.sh" "$root/build-asan" \
    -DVELKOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DVELKOR_BUILD_TESTS=ON -DVELKOR_BUILD_FUZZ=ON
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)"
  # Every fuzz target builds and runs a little, so that none breaks unseen;
  # scripts/fuzz runs them for longer.
  bash "$root/scripts/fuzz" -t "${VELKOR_FUZZ_SECONDS:-20}" -b "$root/build-asan"
fi

if [ "${VELKOR_SKIP_WINDOWS:-0}" != 1 ]; then
  bash "$root/scripts/build-windows.sh" "$root/build-windows" -DVELKOR_BUILD_TESTS=ON
  "$root/scripts/wine-run" --serve "$root/build-windows"
  trap '"$root/scripts/wine-run" --stop "$root/build-windows"' EXIT
  # Under Wine a program now and then fails to start (in milliseconds, with no
  # output of its own); such a test gets one more run. A test that fails
  # twice fails the pass.
  ctest --test-dir "$root/build-windows" --output-on-failure -j "$(nproc)" --repeat until-pass:2
fi
