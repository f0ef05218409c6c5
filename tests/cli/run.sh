#!/bin/bash
# velkor run: exit codes 0 (all held), 1 (an expectation failed, the run goes
# on) and 2 (malformed scenario, named by step and field); save and reopen
# through the output folder.
# Usage: bash run.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"

# run_scenario NAME SCENARIO_TEXT: writes the scenario, runs it, keeps output and code.
run_scenario() {
  printf '%s\n' "$2" >"$tmp/$1.json"
  run "$1" run "$tmp/$1.json" --out "$tmp/out-$1"
}

run_scenario held '{"steps": [{"insert": {"class": "Velkor.ExcelTrendWizard"}},
  {"expect": {"objects": {"Sheet1": ["ExcelTrendWizard1"]}}}]}'
expect_rc held 0
expect_in held out "all 2 steps held"

# A failed expectation shows expected against actual, and later steps still run.
run_scenario failed '{"steps": [{"edit": "Sheet1!A1", "value": 5},
  {"expect": {"cells": {"Sheet1!A1": 6}}},
  {"expect": {"activeSheet": "Sheet1"}}]}'
expect_rc failed 1
expect_in failed out "expected 6, actual 5.0"
expect_in failed out "step 3: expect activeSheet ok"

run_scenario bad-field '{"steps": [{"tick": 1}, {"call": "NoDot", "args": []}]}'
expect_rc bad-field 2
expect_in bad-field err "step 2, field call"

run_scenario bad-verb '{"steps": [{"dance": true}]}'
expect_rc bad-verb 2
expect_in bad-verb err "step 1, field dance"

run_scenario bad-value '{"steps": [{"edit": "Sheet1!A1", "value": {"long": "five"}}]}'
expect_rc bad-value 2
expect_in bad-value err "step 1, field value/long"

run_scenario huge-count '{"steps": [{"fault": "Application.Run", "error": 1004, "count": 1e12}]}'
expect_rc huge-count 2
expect_in huge-count err "step 1, field count"

run_scenario not-json '{"steps": ['
expect_rc not-json 2
expect_in not-json err "malformed scenario at byte 13: not JSON"

run_scenario bad-sheet '{"workbooks": [{"name": "B", "sheets": [{"name": "a[b]"}]}], "steps": []}'
expect_rc bad-sheet 2
expect_in bad-sheet err "workbooks/0/sheets/0"

# Malformed scenarios are one line each on stderr, named by the command,
# and nothing on stdout says otherwise.
expect_one_line_error bad-field bad-verb bad-value huge-count not-json bad-sheet
for name in bad-field not-json; do
  expect_in "$name" err "velkor run: $tmp/$name.json: malformed scenario at "
  grep -q malformed "$tmp/$name.out" && fail "$name: the error is on stdout"
done


# Files are written inside the output folder only.
run_scenario escape '{"steps": [{"save": "Book1", "to": "../outside.json"}]}'
expect_rc escape 1
[ -e "$tmp/outside.json" ] && fail "escape: a file was written outside the output folder"

# ... nor through a link to a folder elsewhere.
mkdir -p "$tmp/out-linked" "$tmp/elsewhere"
ln -s "$tmp/elsewhere" "$tmp/out-linked/link"
printf '%s\n' '{"steps": [{"save": "Book1", "to": "link/b.json"}]}' >"$tmp/linked.json"
run linked run "$tmp/linked.json" --out "$tmp/out-linked"
expect_rc linked 1
expect_in linked out "inside the output folder only"
[ -e "$tmp/elsewhere/b.json" ] && fail "linked: a file was written through the link"

# A workbook opened from outside is not saved back there without "to".
run_scenario original '{"steps": [{"save": "Book1", "to": "original.json"}]}'
cp "$tmp/out-original/original.json" "$tmp/original.json"
run_scenario save-back '{"steps": [{"open": "'"$tmp"'/original.json"},
  {"edit": "Sheet1!A1", "value": 5}, {"save": "original.json"}]}'
expect_rc save-back 1
cmp -s "$tmp/original.json" "$tmp/out-original/original.json" || fail "save-back: the original changed"

# Hostile numbers and nesting are malformed scenarios, told by their place.
run_scenario huge-number '{"steps": [{"tick": 1e400}]}'
expect_rc huge-number 2
expect_in huge-number err "byte 25: number out of range"
run_scenario long-tick '{"steps": [{"tick": 1e300}]}'
expect_rc long-tick 2
expect_in long-tick err "step 1, field tick"
run_scenario deep "{\"steps\": [{\"call\": \"A.B\", \"args\": $(printf '[%.0s' $(seq 31000))$(printf ']%.0s' $(seq 31000))}]}"
expect_rc deep 2
expect_in deep err "nested deeper than 64 levels"

run missing run "$tmp/missing.json"
expect_rc missing 2
expect_in missing err "velkor run: $tmp/missing.json: cannot read it: No such file or directory"

# Without --out, a run that writes nothing leaves no temporary folder behind;
# one that writes keeps it and names it.
mkdir -p "$tmp/tmpdir"
TMPDIR="$tmp/tmpdir" run temp-missing run "$tmp/missing.json"
TMPDIR="$tmp/tmpdir" run temp-held run "$tmp/held.json"
[ -z "$(ls -A "$tmp/tmpdir")" ] || fail "temporary folders left: $(ls "$tmp/tmpdir")"
grep -q "output folder" "$tmp/temp-held.out" && fail "temp-held: names a folder it removed"
printf '%s\n' '{"steps": [{"save": "Book1", "to": "kept.json"}]}' >"$tmp/saves.json"
TMPDIR="$tmp/tmpdir" run temp-saves run "$tmp/saves.json"
expect_rc temp-saves 0
expect_in temp-saves out "output folder: $tmp/tmpdir/velkor-run-"
ls "$tmp"/tmpdir/velkor-run-*/kept.json >/dev/null 2>&1 || fail "temp-saves: the saved file is gone"

finish run.sh
