#!/bin/bash
# velkor render: the demo's saved workbook reopened and drawn, to a named
# file, with a time range, and the errors a user meets.
# Usage: bash render.sh PATH_TO_velkor (run from tests/).
set -u
velkor=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
. "$(dirname "$0")/xmlcheck.inc"

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

run() {
  local name=$1
  shift
  (cd "$tmp/work" && "$velkor" "$@") >"$tmp/$name.out" 2>"$tmp/$name.err"
  echo $? >"$tmp/$name.rc"
}

expect_rc() {
  local got
  got=$(cat "$tmp/$1.rc")
  [ "$got" = "$2" ] || fail "$1: exit code $got, expected $2: $(cat "$tmp/$1.out" "$tmp/$1.err")"
}

expect_in() {  # expect_in NAME out|err TEXT
  grep -qF -- "$3" "$tmp/$1.$2" || fail "$1: no '$3' in $2: $(cat "$tmp/$1.$2")"
}

mkdir -p "$tmp/work"
"$velkor" demo --out "$tmp/demo" >/dev/null 2>&1 || fail "the demo failed"
book="$tmp/demo/Plant.json"
now=(--now "2026-12-07T06:00:00")

# Every trend, named after its chart, in the current folder.
run all render "$book" "${now[@]}"
expect_rc all 0
[ -s "$tmp/work/ZaltTrend1_Sheet1.svg" ] || fail "all: no ZaltTrend1_Sheet1.svg"
problem=$(well_formed "$tmp/work/ZaltTrend1_Sheet1.svg") || fail "all: not well-formed: $problem"
grep -qF '>\\srv1\randomwalk</text>' "$tmp/work/ZaltTrend1_Sheet1.svg" || fail "all: the saved traces are not drawn"

# One chart to a named file, over another time range; the drawing changes.
run ranged render "$book" --chart zalttrend1_sheet1 -o "$tmp/ranged.svg" --from "*-30m" --to "*" "${now[@]}"
expect_rc ranged 0
expect_in ranged out "ranged.svg"
[ -s "$tmp/ranged.svg" ] || fail "ranged: no file"
cmp -s "$tmp/ranged.svg" "$tmp/work/ZaltTrend1_Sheet1.svg" && fail "ranged: same drawing as the saved range"

# Errors: one line, non-zero exit.
run nochart render "$book" --chart NoSuchChart "${now[@]}"
run badtime render "$book" --from "soon" "${now[@]}"
run badnow render "$book" --now "*-1h"
run nobook render "$tmp/none.json"
run nodb render "$book" --db "$tmp/none.db"
run deleted render "$tmp/demo/Plant-deleted.json" "${now[@]}"
for name in nochart badtime badnow nobook nodb deleted; do
  [ "$(cat "$tmp/$name.rc")" != 0 ] || fail "$name: exit code 0"
  [ "$(wc -l <"$tmp/$name.err")" = 1 ] || fail "$name: not one line: $(cat "$tmp/$name.err")"
done
expect_in nochart err "ZaltTrend1_Sheet1"
expect_in deleted err "no trend chart"

[ "$failures" = 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "render: all checks passed"
