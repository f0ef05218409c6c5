#!/bin/bash
# Output that does not reach its file fails the command: standard output on
# a full device, and files a command cannot write, are one line naming what
# failed and exit code 2, never a silent 0.
# Usage: bash output.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"

[ -w /dev/full ] || { echo "FAIL: /dev/full is missing" >&2; exit 1; }
now=(--now 2026-12-07T06:00:00)
"$velkor" demo --out "$tmp/demo" >/dev/null 2>&1 || fail "the demo failed"
printf 'server,tag,time,value\nsrv9,flow,2026-12-07T05:00:00,1\n' >"$tmp/plant.csv"
"$velkor" archive import "$tmp/plant.csv" --db "$tmp/plant.db" >/dev/null || fail "import failed"

# full NAME ARGS...: the command's standard output goes to /dev/full.
full() {
  local name=$1
  shift
  "$velkor" "$@" >/dev/full 2>"$tmp/$name.err"
  echo $? >"$tmp/$name.rc"
}

full strings strings
full lang strings --lang 1031
full values archive values srv1 ramp "*-1h" "*" "${now[@]}"
full points archive points --db "$tmp/plant.db"
full inspect inspect "$tmp/demo/Plant.json" --json
full inspect-table inspect "$tmp/demo/Plant.json"
full traceinfo traceinfo data/traceinfo/two-traces.xml
full import archive import "$tmp/plant.csv" --db "$tmp/again.db"
full help --help
full demo demo --out "$tmp/demo2"
for name in strings lang values points inspect inspect-table traceinfo import help demo; do
  [ "$(cat "$tmp/$name.rc")" = 2 ] || fail "$name: exit code $(cat "$tmp/$name.rc") on a full device"
  grep -q "cannot write standard output (No space left on device)" "$tmp/$name.err" ||
    grep -q "cannot write standard output" "$tmp/$name.err" || fail "$name: $(cat "$tmp/$name.err")"
done
grep -q '^velkor archive values: cannot write standard output' "$tmp/values.err" ||
  fail "values: the command is not named: $(cat "$tmp/values.err")"

# render: a folder that does not exist, and a path that is no regular file.
mkfifo "$tmp/pipe.svg"
run nofolder render "$tmp/demo/Plant.json" -o "$tmp/no/such/trend.svg" "${now[@]}"
run folder render "$tmp/demo/Plant.json" -o "$tmp/demo" "${now[@]}"
run pipe render "$tmp/demo/Plant.json" -o "$tmp/pipe.svg" "${now[@]}"
expect_one_line_error nofolder folder pipe
for name in nofolder folder pipe; do expect_rc "$name" 2; done
expect_in nofolder err "velkor render: cannot write $tmp/no/such/trend.svg: the folder $tmp/no/such does not exist"
expect_in pipe err "it is not a regular file"
[ -p "$tmp/pipe.svg" ] || fail "pipe: replaced by a file"

finish output
