#!/bin/bash
# velkor render: the demo's saved workbook reopened and drawn, to a named
# file, with a time range, and the errors a user meets.
# Usage: bash render.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"

run_dir="$tmp/work"
mkdir -p "$run_dir"
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

# An archive without the trend's tags still draws, and says why the traces
# are empty; a reversed range is refused.
printf 'server,tag,time,value\nsrv9,flow,2026-12-07T05:00:00,1\n' >"$tmp/other.csv"
"$velkor" archive import "$tmp/other.csv" --db "$tmp/other.db" >/dev/null || fail "import failed"
run othertags render "$book" -o "$tmp/othertags.svg" --db "$tmp/other.db" "${now[@]}"
expect_rc othertags 0
expect_in othertags err "randomwalk' has no values in the time range (is its tag in the archive?)"
expect_in othertags err "velkor render: warning: ZaltTrend1_Sheet1: trace "
[ -s "$tmp/othertags.svg" ] || fail "othertags: no file"
run reversed render "$book" --from "*" --to "*-2h" "${now[@]}"
expect_rc reversed 2
expect_in reversed err "velkor render: --from * lies after --to *-2h"

# Errors: one line, non-zero exit.
run nochart render "$book" --chart NoSuchChart "${now[@]}"
run badtime render "$book" --from "soon" "${now[@]}"
run badnow render "$book" --now "*-1h"
run nobook render "$tmp/none.json"
run nodb render "$book" --db "$tmp/none.db"
run deleted render "$tmp/demo/Plant-deleted.json" "${now[@]}"
expect_one_line_error nochart badtime badnow nobook nodb deleted
expect_in nochart err "ZaltTrend1_Sheet1"
expect_in deleted err "no trend chart"

# A chart name from the workbook never leads the file out of the folder.
sed 's#"name": "ZaltTrend1_Sheet1"#"name": "../escaped/Trend"#' "$book" >"$tmp/work/Slashes.json"
run slashes render "$tmp/work/Slashes.json" "${now[@]}"
[ -e "$tmp/escaped" ] && fail "slashes: a file was written outside the folder"
[ -s "$tmp/work/.._escaped_Trend.svg" ] || fail "slashes: no .._escaped_Trend.svg"

# What is no regular file is refused at once, not read for ever.
run zero render /dev/zero
expect_one_line_error zero
expect_in zero err "not a regular file"

finish render
