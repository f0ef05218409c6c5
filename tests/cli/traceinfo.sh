#!/bin/bash
# velkor traceinfo: the table, --write, the error reports and the exit codes.
# Usage: bash traceinfo.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"
data=data/traceinfo

expect_line() {
  grep -qxF -- "$3" "$tmp/$1.$2" || fail "$1: no line '$3' on $2: $(cat "$tmp/$1.$2")"
}

expect_lines() {
  local got
  got=$(wc -l <"$tmp/$1.$2")
  [ "$got" -eq "$3" ] || fail "$1: $got lines on $2, expected $3"
}

run table traceinfo "$data/two-traces.xml"
expect_rc table 0
expect_lines table out 3
expect_lines table err 0
header="# WorksheetName DataSourceName TraceName CellRange TraceOrder qsIndex ServerName TagName"
header+=" ServerNameCell TagNameCell State WorkbookName TraceNameCell"
[ "$(head -1 "$tmp/table.out" | tr -s ' ')" = "$header" ] ||
  fail "table: header line: $(head -1 "$tmp/table.out")"
grep -q '^1 .*ZaltArcDC1_Sheet1  \\\\Plant01\\FIC101.PV .* 2  *1  *Plant01  *FIC101.PV  *\[Report.xls\]Sheet1!\$B\$2' \
  "$tmp/table.out" || fail "table: first record: $(sed -n 2p "$tmp/table.out")"
grep -q "Flow & pressure <lab>" "$tmp/table.out" || fail "table: escaped text not decoded"
# Columns line up: every row has TraceOrder's column at the header's offset.
col=$(head -1 "$tmp/table.out" | awk '{ print index($0, "TraceOrder") }')
awk -v c="$col" 'NR > 1 && substr($0, c, 1) !~ /[0-9]/ { bad = 1 } END { exit bad }' \
  "$tmp/table.out" || fail "table: columns not aligned"

run write traceinfo --write "$data/two-traces.xml"
expect_rc write 0
grep -q '^<traceinfo><trace1><TraceName>\\\\Plant01\\FIC101.PV</TraceName><ServerName>Plant01</ServerName>' \
  "$tmp/write.out" || fail "write: document: $(cat "$tmp/write.out")"
grep -qF '<TraceName>Flow &amp; pressure &lt;lab&gt;</TraceName>' "$tmp/write.out" ||
  fail "write: specials not escaped"
"$velkor" traceinfo - <"$tmp/write.out" >"$tmp/again.out" 2>&1 || fail "write: re-read failed"
cmp -s "$tmp/table.out" "$tmp/again.out" || fail "write: re-read gives another table"

run bad traceinfo "$data/bad-traceorder.xml"
expect_rc bad 1
expect_line bad err "Zalt-KX-TrendWizard>Error 13: Type mismatch in ReadXML"
expect_lines bad out 4
grep -q '^1  .*first' "$tmp/bad.out" || fail "bad: first record lost"
grep -q 'lost' "$tmp/bad.out" && fail "bad: field after the error was read"

run truncated traceinfo "$data/truncated.xml"
expect_rc truncated 1
expect_lines truncated out 1
grep -q "not a well-formed XML document" "$tmp/truncated.err" || fail "truncated: no message"

# Text a lenient reader would find records in: no records, exit 1, and one
# line that names the place of the fault.
not_well_formed() {
  printf '%s' "$2" >"$tmp/$1.xml"
  run "$1" traceinfo "$tmp/$1.xml"
  expect_rc "$1" 1
  expect_lines "$1" out 1
  expect_lines "$1" err 1
  expect_line "$1" err "velkor traceinfo: $tmp/$1.xml is not a well-formed XML document ($3); no records were read"
}
record='<trace1><TagName>t</TagName><TraceOrder>1</TraceOrder></trace1>'
not_well_formed around "junk<traceinfo>$record</traceinfo>junk" \
  "line 1, column 5: not well-formed (invalid token)"
not_well_formed roots "<traceinfo>$record</traceinfo>
<traceinfo>$record</traceinfo>" "line 2, column 1: junk after document element"
not_well_formed ampersand "<traceinfo><trace1><TagName>a & b</TagName></trace1></traceinfo>" \
  "line 1, column 32: not well-formed (invalid token)"
not_well_formed workbook "{\"TraceInfoXML\": \"<traceinfo>$record</traceinfo>\"}" \
  "line 1, column 1: not well-formed (invalid token)"

# Comments and processing instructions are no records and no fault.
printf '<?xml version="1.0"?><!-- saved --><traceinfo><?app x?>%s<!-- end --></traceinfo>\n<!-- after -->\n' \
  "$record" >"$tmp/comments.xml"
run comments traceinfo "$tmp/comments.xml"
expect_rc comments 0
expect_lines comments out 2
expect_lines comments err 0

run empty traceinfo --write "$data/empty-root.xml"
expect_rc empty 0
expect_line empty out "<traceinfo/>"

"$velkor" traceinfo - </dev/null >"$tmp/stdin.out" 2>&1
[ $? -eq 0 ] || fail "empty standard input: nonzero exit"

run missing traceinfo "$tmp/no-such-file.xml"
expect_rc missing 2
expect_lines missing err 1
expect_lines missing out 0
grep -q "no-such-file.xml" "$tmp/missing.err" || fail "missing: file not named"

run folder traceinfo "$tmp"
expect_rc folder 2
expect_lines folder err 1

# What is no regular file, or never ends, is refused rather than read.
run zero traceinfo /dev/zero
expect_rc zero 2
expect_in zero err "not a regular file"
head -c 300000000 /dev/zero | "$velkor" traceinfo - >"$tmp/endless.out" 2>"$tmp/endless.err"
[ $? -eq 2 ] || fail "endless standard input: exit code is not 2"
grep -qF "larger than 256 MB" "$tmp/endless.err" || fail "endless: $(cat "$tmp/endless.err")"

# A reference to a surrogate names no character: the document has no records.
printf '<traceinfo><t><TagName>a&#xD800;</TagName></t></traceinfo>' >"$tmp/surrogate.xml"
run surrogate traceinfo "$tmp/surrogate.xml"
expect_rc surrogate 1
expect_in surrogate err "not a well-formed XML document"

finish traceinfo.sh
