#!/bin/bash
# velkor demo: runs the whole demo into a fresh folder; every step must pass,
# and the report, the workbooks and the charts must be there and well-formed.
# Usage: bash demo.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"

out="$tmp/out folder"
"$velkor" demo --out "$out" >"$tmp/demo.out" 2>"$tmp/demo.err"
rc=$?
[ "$rc" = 0 ] || fail "demo exit code $rc: $(cat "$tmp/demo.out" "$tmp/demo.err")"
grep -q FAILED "$tmp/demo.out" && fail "a step failed: $(cat "$tmp/demo.out")"
grep -qF "report.html" "$tmp/demo.out" || fail "the demo does not name report.html"
steps=$(grep -cE '^ ?[0-9]+\. ' "$tmp/demo.out")
[ "$steps" -ge 10 ] || fail "only $steps narrated steps"

for file in report.html Plant.json Plant-deleted.json demo-scenario.json \
  1-built.svg 2-edited.svg 3-reopened.svg; do
  [ -s "$out/$file" ] || fail "missing or empty: $file"
done
for svg in "$out"/*.svg; do
  problem=$(well_formed "$svg") || fail "$(basename "$svg") is not well-formed: $problem"
done

# The legends follow the cells: the edited tag cells rename the archive traces;
# an archive trace's unit comes from the archive.
legend_has() {
  grep -qF -- ">$2</text>" "$out/$1" || fail "$1: no trace '$2' in the legend"
}
legend_has 1-built.svg '\\srv1\sinusoid'
legend_has 1-built.svg '\\srv1\ramp [%]'
legend_has 1-built.svg 'lab flow'
for svg in 2-edited.svg 3-reopened.svg; do
  legend_has "$svg" '\\srv1\randomwalk'
  legend_has "$svg" '\\srv1\cdt158 [degC]'
  legend_has "$svg" 'lab flow'
done

# The column temperature near 153 would be a flat line on the random walk's
# scale near 5: it gets a scale of its own, in its trace's colour.
for svg in 2-edited.svg 3-reopened.svg; do
  grep -qF '<g fill="#d55e00">' "$out/$svg" || fail "$svg: \\srv1\cdt158 has no scale of its own"
done

# The report inlines a chart after every step that drew one, and nothing failed.
report="$out/report.html"
charts=$(grep -o '<svg' "$report" | wc -l)
[ "$charts" = 3 ] || fail "report.html holds $charts charts, expected 3"
grep -q 'Every step went as expected' "$report" || fail "report.html does not say every step held"
grep -q '<table' "$report" || fail "report.html has no trace table"
grep -q 'TagNameCell' "$report" || fail "report.html trace table lacks TagNameCell"
tail -c 200 "$report" | grep -q '</html>' || fail "report.html is cut short"
# Each inlined chart must still be a well-formed SVG element.
require python3
python3 - "$report" <<'PY' || fail "an inlined chart in report.html is not well-formed"
import re, sys, xml.dom.minidom as m
html = open(sys.argv[1], encoding="utf-8").read()
for svg in re.findall(r"<svg.*?</svg>", html, re.S):
    m.parseString(svg)
PY

# The saved workbook keeps the trend; the one saved after deleting it does not.
grep -q 'ZaltTrend1_Sheet1' "$out/Plant.json" || fail "Plant.json lacks the trend"
grep -q 'ZaltTrend.ZaltTrend' "$out/Plant-deleted.json" && fail "Plant-deleted.json still holds a chart"

# The demo can run again into the same folder, and draws the same bytes.
mkdir -p "$tmp/first" && cp "$out"/*.svg "$tmp/first/"
"$velkor" demo --out "$out" >"$tmp/again.out" 2>&1 || fail "a second run failed: $(cat "$tmp/again.out")"
for svg in "$tmp"/first/*.svg; do
  cmp -s "$svg" "$out/$(basename "$svg")" || fail "$(basename "$svg") differs between two runs"
done

# An output folder that cannot be made is one line and exit code 2.
touch "$tmp/file"
"$velkor" demo --out "$tmp/file/sub" >"$tmp/bad.out" 2>"$tmp/bad.err"
rc=$?
[ "$rc" = 2 ] || fail "demo into a file: exit code $rc, expected 2"
[ "$(wc -l <"$tmp/bad.err")" = 1 ] || fail "demo into a file: not one line: $(cat "$tmp/bad.err")"

finish demo
