#!/usr/bin/env bash
# Installs the Debian packages the project builds with; with --tests also what
# the tests need (GoogleTest, python3 for the XML and JSON checks, Chromium
# for the report's browser check, clang with its sanitizer runtime, and
# clang-format for the format check); with --bench the benchmark library;
# with --windows what the Windows build and its tests need (the MinGW-w64
# cross compiler with POSIX threads, widl, Wine, dpkg-dev and tclsh for the
# third-party sources). Idempotent, no prompts.
# Usage: bash scripts/setup.sh [--tests] [--bench] [--windows]
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache
  libpugixml-dev libexpat1-dev libsqlite3-dev nlohmann-json3-dev libcli11-dev libutf8proc-dev
)
for option in "$@"; do
  case $option in
    # clang and libclang-rt-dev both follow Debian's default clang version.
    --tests) packages+=(libgtest-dev libgmock-dev python3 chromium clang libclang-rt-dev clang-format) ;;
    --bench) packages+=(libbenchmark-dev) ;;
    --windows)
      packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
                 wine wine64 libwine-dev dpkg-dev tcl) ;;
    *) echo "usage: bash scripts/setup.sh [--tests] [--bench] [--windows]" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
