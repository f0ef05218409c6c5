#!/bin/bash
# Names in every script: tags match ignoring case beyond Latin-1, Greek and
# Cyrillic, and the text tables count East Asian wide characters as two
# columns.
# Usage: bash unicode.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"
require python3

cat >"$tmp/names.csv" <<'CSV'
server,tag,time,value
srv,Ștefan,2026-12-07T05:00:00,1
srv,ǅemal,2026-12-07T05:00:00,2
srv,温度计,2026-12-07T05:00:00,3
srv,flow,2026-12-07T05:00:00,4
CSV
db="$tmp/names.db"
run import archive import "$tmp/names.csv" --db "$db"
expect_rc import 0

# Upper and lower case of Latin Extended-B, the title-case digraph included.
for pair in "ȘTEFAN:1" "ștefan:1" "ǆemal:2" "ǄEMAL:2"; do
  tag=${pair%:*}
  run "values-$tag" archive values srv "$tag" "2026-12-07" "2026-12-08" --db "$db"
  expect_rc "values-$tag" 0
  grep -qE "^2026-12-07T05:00:00 +${pair#*:} " "$tmp/values-$tag.out" ||
    fail "$tag: not matched case-blind: $(cat "$tmp/values-$tag.out" "$tmp/values-$tag.err")"
done

# Every row's "values" column starts in the same terminal column.
run points archive points --db "$db"
expect_rc points 0
python3 - "$tmp/points.out" <<'PY' || fail "the points table is misaligned: $(cat "$tmp/points.out")"
import sys, unicodedata
def columns(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)
starts = set()
for line in open(sys.argv[1], encoding="utf-8").read().splitlines():
    server, rest = line.split(" ", 1)
    tag = rest.lstrip(" ").split(" ", 1)[0]
    head = line[: line.index(tag) + len(tag)]
    gap = len(line[len(head):]) - len(line[len(head):].lstrip(" "))
    starts.add(columns(head) + gap)
sys.exit(0 if len(starts) == 1 else 1)
PY

finish unicode
