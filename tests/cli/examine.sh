#!/bin/bash
# velkor inspect: every persisted key and trace record of the demo's saved
# workbook, problems listed (exit 1), --json for machines, one-line errors.
# Usage: bash examine.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"

"$velkor" demo --out "$tmp/demo" >/dev/null 2>&1 || fail "the demo failed"
book="$tmp/demo/Plant.json"

run saved inspect "$book"
expect_rc saved 0
expect_in saved out "ExcelTrendWizard1 on sheet Setup"
for key in WizardControlName TrendName ExcelDcName ZaltArcDCName TrendSheetName \
  bZaltArcDCRemoved bExcelDCRemoved bExcelDcConnected bZaltArcDcConnected strStartTime \
  strEndTime tglStartTime tglEndTime strtxtStartTime strtxtEndTime bFirstSetTime \
  TrendPosition TraceInfoXML TrendTitle; do
  grep -qE "^ +$key " "$tmp/saved.out" || fail "saved: key $key not shown"
done
expect_in saved out "trace records: 3"
expect_in saved out "Setup!\$A\$4"
expect_in saved out "problems: none"

run json inspect "$book" --json
expect_rc json 0
require python3
python3 - "$tmp/json.out" <<'PY' || fail "json: unexpected document: $(cat "$tmp/json.out")"
import json, sys
doc = json.load(open(sys.argv[1]))
assert doc["format"] == 1, doc.get("format")
control = doc["controls"][0]
assert len(control["properties"]) == 19
assert {"key", "type", "value", "stored", "default"} <= set(control["properties"][0])
assert len(control["traces"]) == 3 and control["traceInfo"] == "complete"
assert control["problems"] == []
PY

# A workbook whose control names a missing chart and holds a broken document.
cat >"$tmp/broken.json" <<'JSON'
{"format": "velkor-workbook", "version": 1, "activeSheet": "Sheet1",
 "sheets": [{"name": "Sheet1", "codeName": "Sheet1", "cells": {},
  "oleObjects": [{"progId": "Velkor.ExcelTrendWizard", "name": "ExcelTrendWizard1",
   "left": 1, "top": 1, "width": 24, "height": 24, "visible": true,
   "properties": {"TrendName": "ZaltTrend1_Sheet1", "ExcelDcName": "ZaltExcelData1_Sheet1",
                  "TraceInfoXML": "<traceinfo><trace1><TraceName>x"}}]}]}
JSON
run broken inspect "$tmp/broken.json"
expect_rc broken 1
expect_in broken out "TrendName names 'ZaltTrend1_Sheet1'"
expect_in broken out "ExcelDcName names 'ZaltExcelData1_Sheet1'"
expect_in broken out "not well-formed XML"
expect_in broken err "3 problem(s)"
run broken-json inspect "$tmp/broken.json" --json
python3 - "$tmp/broken-json.out" <<'PY' || fail "broken --json: problems without codes"
import json, sys
problems = json.load(open(sys.argv[1]))["controls"][0]["problems"]
found = {(p["code"], p["key"]) for p in problems}
assert found == {("missing-object", "TrendName"), ("missing-object", "ExcelDcName"),
                 ("trace-info-not-xml", "TraceInfoXML")}, found
assert all(p["message"] for p in problems)
PY

# Files that are no workbook: one line, exit 2.
printf '{"format": "velkor-workbook", "version": 1, "sheets": 5}' >"$tmp/bad.json"
printf 'not json' >"$tmp/text.json"
run bad inspect "$tmp/bad.json"
run text inspect "$tmp/text.json"
run missing inspect "$tmp/none.json"
run folder inspect "$tmp"
for name in bad text missing folder; do
  expect_rc "$name" 2
done
expect_one_line_error bad text missing folder
expect_in bad err "/sheets"

# A character reference to a surrogate makes the document no XML: no
# traces, a problem, and the JSON output still whole.
sed 's|<TagName>randomwalk</TagName>|<TagName>random\&#xD800;walk</TagName>|' "$book" >"$tmp/surrogate.json"
run surrogate inspect --json "$tmp/surrogate.json"
expect_rc surrogate 1
expect_in surrogate out '"traceInfo": "not-xml"'
python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$tmp/surrogate.out" ||
  fail "surrogate: the output is not JSON"

# Numbers beyond a double, and a root that is no object, are told by place.
printf '{"format": "velkor-workbook", "version": 1e400}' >"$tmp/huge.json"
printf '[]' >"$tmp/list.json"
run huge inspect "$tmp/huge.json"
run list inspect "$tmp/list.json"
expect_one_line_error huge list
expect_in huge err "at byte 46: number out of range"
expect_in list err "at /: expected an object"
grep -q "json.exception" "$tmp/huge.err" && fail "huge: the library's text reached the user"

finish inspect
