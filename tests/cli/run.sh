#!/bin/bash
# velkor run: exit codes 0 (all held), 1 (an expectation failed, the run goes
# on) and 2 (malformed scenario, named by step and field); save and reopen
# through the output folder.
# Usage: bash run.sh PATH_TO_velkor (run from tests/).
set -u
velkor=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# run NAME SCENARIO_TEXT: writes the scenario, runs it, keeps output and code.
run() {
  printf '%s\n' "$2" >"$tmp/$1.json"
  "$velkor" run "$tmp/$1.json" --out "$tmp/out-$1" >"$tmp/$1.out" 2>"$tmp/$1.err"
  echo $? >"$tmp/$1.rc"
}

expect_rc() {
  local got
  got=$(cat "$tmp/$1.rc")
  [ "$got" = "$2" ] || fail "$1: exit code $got, expected $2: $(cat "$tmp/$1.out" "$tmp/$1.err")"
}

expect_text() {
  grep -qF -- "$2" "$tmp/$1.out" || fail "$1: no '$2' in: $(cat "$tmp/$1.out")"
}

run held '{"steps": [{"insert": {"class": "Velkor.ExcelTrendWizard"}},
  {"expect": {"objects": {"Sheet1": ["ExcelTrendWizard1"]}}}]}'
expect_rc held 0
expect_text held "all 2 steps held"

# A failed expectation shows expected against actual, and later steps still run.
run failed '{"steps": [{"edit": "Sheet1!A1", "value": 5},
  {"expect": {"cells": {"Sheet1!A1": 6}}},
  {"expect": {"activeSheet": "Sheet1"}}]}'
expect_rc failed 1
expect_text failed "expected 6, actual 5.0"
expect_text failed "step 3: expect activeSheet ok"

run bad-field '{"steps": [{"tick": 1}, {"call": "NoDot", "args": []}]}'
expect_rc bad-field 2
expect_text bad-field "step 2, field call"

run bad-verb '{"steps": [{"dance": true}]}'
expect_rc bad-verb 2
expect_text bad-verb "step 1, field dance"

run bad-value '{"steps": [{"edit": "Sheet1!A1", "value": {"long": "five"}}]}'
expect_rc bad-value 2
expect_text bad-value "step 1, field value/long"

run not-json '{"steps": ['
expect_rc not-json 2

run bad-sheet '{"workbooks": [{"name": "B", "sheets": [{"name": "a[b]"}]}], "steps": []}'
expect_rc bad-sheet 2
expect_text bad-sheet "workbooks/0/sheets/0"

# Files are written inside the output folder only.
run escape '{"steps": [{"save": "Book1", "to": "../outside.json"}]}'
expect_rc escape 1
[ -e "$tmp/outside.json" ] && fail "escape: a file was written outside the output folder"

"$velkor" run "$tmp/missing.json" >/dev/null 2>&1
[ $? = 2 ] || fail "missing file: exit code is not 2"

[ "$failures" -eq 0 ] || exit 1
echo "run.sh: all checks passed"
