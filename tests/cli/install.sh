#!/bin/bash
# cmake --install puts velkor, its library, language tables and docs under a
# prefix, and the installed velkor reads its data from there, found relative
# to itself, not from the source tree.
# Usage: bash install.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"

build=$(dirname "$velkor")
prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 || fail "install: $(cat "$tmp/install.log")"
for file in bin/velkor share/velkor/lang/1049.tsv share/doc/velkor/README.md share/doc/velkor/commands.md; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done

# A text changed in the installed table shows: the data comes from the prefix.
sed -i 's/^\([0-9]*\)\t.*/\1\tinstalled text/' "$prefix/share/velkor/lang/1049.tsv"
(unset VELKOR_DATA_DIR; cd "$tmp" && "$prefix/bin/velkor" strings --lang 1049) >"$tmp/lang.out" 2>&1
grep -qP '^\d+\tinstalled text$' "$tmp/lang.out" || fail "installed velkor does not read its own data: $(head -3 "$tmp/lang.out")"
(unset VELKOR_DATA_DIR; cd "$tmp" && "$prefix/bin/velkor" --version) | grep -q '^velkor ' || fail "installed velkor does not run"

finish install
