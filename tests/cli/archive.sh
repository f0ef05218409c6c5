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

finish archive
