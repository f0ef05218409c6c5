#!/usr/bin/env bash
# Installs the Debian packages the project builds with; with --tests also what
# the tests drive (python3 for the XML and JSON checks, Chromium for the
# report's browser check); with --windows what the Windows build and its
# tests need (the MinGW-w64 cross compiler with POSIX threads, widl, Wine,
# dpkg-dev and tclsh for the third-party sources). Idempotent, no prompts.
# Usage: bash scripts/setup.sh [--tests] [--windows]
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev ccache
  libpugixml-dev libexpat1-dev libsqlite3-dev nlohmann-json3-dev libcli11-dev libutf8proc-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)
for option in "$@"; do
  case $option in
    --tests) packages+=(python3 chromium) ;;
    --windows)
      packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
                 wine wine64 libwine-dev dpkg-dev tcl) ;;
    *) echo "setup.sh: unknown option $option" >&2; exit 2 ;;
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
