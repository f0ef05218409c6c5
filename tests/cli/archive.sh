#!/bin/bash
# velkor archive: import with bad rows (reported by line, skipped, exit 1),
# points and values of the imported archive, the demo archive by default,
# and one-line errors.
# Usage: bash archive.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"

cat >"$tmp/plant.csv" <<'CSV'
server,tag,time,value,status
srv9,flow,2026-12-07T05:00:00,1.5,0
srv9,flow,2026-12-07 05:01,2.5,
srv9,flow,yesterday,3,0
srv9,flow,2026-12-07T05:02:00,abc,0

srv9,"level, tank 2",2026-12-07T05:00:00,,1
srv9,flow,2026-12-07T05:03:00,4.5
CSV
db="$tmp/plant.db"
run import archive import "$tmp/plant.csv" --db "$db"
expect_rc import 1
expect_in import err "line 4 skipped"
expect_in import err "line 5 skipped"
expect_in import err "line 8 skipped"
[ "$(grep -c skipped "$tmp/import.err")" = 3 ] || fail "import: not 3 bad rows: $(cat "$tmp/import.err")"
expect_in import out "3 value(s) of 2 point(s) imported"
expect_in import out "3 bad row(s) skipped"

run points archive points --db "$db"
expect_rc points 0
expect_in points out "level, tank 2"
grep -qE '^srv9 +flow +2' "$tmp/points.out" || fail "points: flow should hold 2 values: $(cat "$tmp/points.out")"

run values archive values srv9 FLOW "2026-12-07 04:00" "2026-12-07T06:00:00" --db "$db"
expect_rc values 0
expect_in values out "2026-12-07T05:01:00  2.5"
[ "$(grep -c '^2026-12-07' "$tmp/values.out")" = 2 ] || fail "values: not 2 rows: $(cat "$tmp/values.out")"

run gap archive values srv9 "level, tank 2" "2026-12-07" "*" --db "$db" --now "2026-12-08"
expect_rc gap 0
expect_in gap out "gap"

# A second import into the same file adds to it.
printf 'tag,server,time,value\nflow,srv9,2026-12-07T05:04:00,9\n' >"$tmp/more.csv"
run more archive import "$tmp/more.csv" --db "$db"
expect_rc more 0
run values2 archive values srv9 flow "2026-12-07" "2026-12-08" --db "$db"
[ "$(grep -c '^2026-12-07' "$tmp/values2.out")" = 3 ] || fail "values after the second import: $(cat "$tmp/values2.out")"

# The demo archive is the default.
run demo-points archive points --now "2026-12-07T06:00:00"
expect_rc demo-points 0
expect_in demo-points out "sinusoid"
run demo-values archive values srv1 ramp "*-3m" "*" --now "2026-12-07T06:00:00"
expect_rc demo-values 0
[ "$(grep -c '^2026-12-07' "$tmp/demo-values.out")" = 4 ] || fail "demo values: $(cat "$tmp/demo-values.out")"

# Errors: one line on stderr, non-zero exit.
printf 'server,tag,when,value\n' >"$tmp/badheader.csv"
run badheader archive import "$tmp/badheader.csv" --db "$tmp/other.db"
run nofile archive import "$tmp/none.csv" --db "$tmp/other.db"
run nodb archive points --db "$tmp/none.db"
run notag archive values srv9 nosuch "*-1h" "*" --db "$db"
run badtime archive values srv9 flow "soon" "*" --db "$db"
run reversed archive values srv9 flow "*" "*-1h" --db "$db"
printf 'not a database' >"$tmp/junk.db"
run junk archive import "$tmp/plant.csv" --db "$tmp/junk.db"
run nosub archive
expect_one_line_error badheader nofile nodb notag badtime reversed junk nosub
expect_in badheader err "unknown column 'when'"
expect_in notag err "no tag 'nosuch'"

# A failed import leaves no database behind.
for name in badheader nofile; do
  [ -e "$tmp/other.db" ] && fail "$name: created $tmp/other.db"
done

# Standard input, and the ISO 8601 forms other programs export: any
# fraction, a blank for the T, and zones converted to local time (TZ).
printf 'server,tag,time,value\nsrv9,iso,2026-12-07 05:00:00.5,1\nsrv9,iso,2026-12-07T05:01:00Z,2\nsrv9,iso,2026-12-07T07:02:00+01:00,3\nsrv9,iso,2026-12-07 05:03:00.123456 -0100,4\n' >"$tmp/iso.csv"
TZ=UTC0 "$velkor" archive import - --db "$tmp/iso.db" <"$tmp/iso.csv" >"$tmp/stdin.out" 2>"$tmp/stdin.err"
echo $? >"$tmp/stdin.rc"
expect_rc stdin 0
expect_in stdin out "4 value(s) of 1 point(s) imported"
run iso archive values srv9 iso "2026-12-07" "2026-12-08" --db "$tmp/iso.db"
for line in "2026-12-07T05:00:00.500 +1 " "2026-12-07T05:01:00 +2 " "2026-12-07T06:02:00 +3 " \
  "2026-12-07T06:03:00.123 +4 "; do
  grep -qE "^$line" "$tmp/iso.out" || fail "iso: no '$line' in $(cat "$tmp/iso.out")"
done

# What is not a CSV text file is named for what it is, in one line, without
# its raw bytes, and creates no database.
printf '\xff\xfes\x00e\x00r\x00v\x00e\x00r\x00\n\x00' >"$tmp/utf16.csv"
printf 'server;tag;time;value\nsrv9;flow;2026-12-07 05:00;1,5\n' >"$tmp/semicolon.csv"
printf '\x7fELF\x02\x01\x01\x00\x00\x00\xff\xfe\n' >"$tmp/binary.csv"
head -c 2000000 /dev/zero | tr '\0' a >"$tmp/oneline.csv"
mkfifo "$tmp/fifo.csv"
run utf16 archive import "$tmp/utf16.csv" --db "$tmp/new.db"
run semicolon archive import "$tmp/semicolon.csv" --db "$tmp/new.db"
run binary archive import "$tmp/binary.csv" --db "$tmp/new.db"
run oneline archive import "$tmp/oneline.csv" --db "$tmp/new.db"
run zero archive import /dev/zero --db "$tmp/new.db"
run fifo archive import "$tmp/fifo.csv" --db "$tmp/new.db"
expect_one_line_error utf16 semicolon binary oneline zero fifo
expect_in utf16 err "UTF-16, which is not supported; save it as UTF-8"
expect_in semicolon err "separated by ';'"
expect_in binary err "NUL bytes"
expect_in oneline err "line 1 is longer than 1048576 bytes"
expect_in zero err "/dev/zero is not a regular file"
expect_in fifo err "is not a regular file"
for name in utf16 semicolon binary oneline zero fifo; do
  expect_rc "$name" 2
  LC_ALL=C grep -q '[^[:print:][:space:]]' "$tmp/$name.err" && fail "$name: raw bytes in the message"
done
[ -e "$tmp/new.db" ] && fail "a failed import created $tmp/new.db"

# Names with control characters or bytes that are not UTF-8 are refused by
# row, shown escaped.
printf 'server,tag,time,value\nsrv9,flow\r,2026-12-07T05:00:00,1\nsrv9,fl\xe9,2026-12-07T05:00:00,1\nsrv9,flow,2026-12-07T05:00:00,\x01\n' >"$tmp/names.csv"
run names archive import "$tmp/names.csv" --db "$tmp/names.db"
expect_rc names 1
expect_in names err "line 2 skipped: the tag 'flow\x0D' holds a control character (U+000D)"
expect_in names err "line 3 skipped: the tag 'fl\xE9' is not valid UTF-8"
expect_in names err "line 4 skipped: value '\x01' is not a number"

finish archive
