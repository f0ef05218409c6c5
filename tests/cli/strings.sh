#!/bin/bash
# velkor strings: the string table as id<TAB>text lines, and its languages.
# Usage: bash strings.sh PATH_TO_velkor (run from tests/).
set -u -o pipefail
. "$(dirname "$0")/common.inc"
tab=$'\t'

"$velkor" strings >"$tmp/own.tsv" || fail "strings: exit code $?"
[ "$(wc -l <"$tmp/own.tsv")" -eq 208 ] || fail "expected 208 lines"
[ "$(head -n1 "$tmp/own.tsv")" = "10${tab}Wizard Template" ] || fail "first line"
[ "$(tail -n1 "$tmp/own.tsv")" = "50153${tab}X" ] || fail "last line"
for line in \
  "3001${tab}The ??? Wizard is finished collecting information.\\r\\n\\r\\n_" \
  "50002${tab}Please select a valid  value." \
  "50041${tab}Some traces can not be deleted because this wizard did not create them. \\\\n Do you want to Continue deleting other traces?" \
  "50123${tab} in " \
  "50152${tab}Plotvane"; do
  grep -qxF -- "$line" "$tmp/own.tsv" || fail "missing line: $line"
done
sort -n -c "$tmp/own.tsv" || fail "not in id order"

# The shipped English library gives the own table; Russian gives Russian.
"$velkor" strings --lang 1033 | cmp -s - "$tmp/own.tsv" || fail "--lang 1033 differs"
"$velkor" strings --lang 1049 >"$tmp/ru.tsv" || fail "--lang 1049: exit code $?"
[ "$(wc -l <"$tmp/ru.tsv")" -eq 208 ] || fail "--lang 1049: expected 208 lines"
grep -qxF "50001${tab}Удалить этот тренд?" "$tmp/ru.tsv" || fail "--lang 1049 is not Russian"

# An unknown locale falls back to the own table with a note.
"$velkor" strings --lang 9999 >"$tmp/fallback.tsv" 2>"$tmp/note.txt" || fail "--lang 9999: exit code $?"
cmp -s "$tmp/fallback.tsv" "$tmp/own.tsv" || fail "--lang 9999 is not the own table"
[ "$(wc -l <"$tmp/note.txt")" -eq 1 ] || fail "--lang 9999: expected a one-line note"

# The output is a language table: it reads back unchanged.
mkdir -p "$tmp/data/lang"
cp "$tmp/own.tsv" "$tmp/data/lang/1040.tsv"
VELKOR_DATA_DIR="$tmp/data" "$velkor" strings --lang 1040 | cmp -s - "$tmp/own.tsv" ||
  fail "the printed table does not read back"

# A table lacking an id names it and fails.
grep -v '^50152' "$tmp/own.tsv" >"$tmp/data/lang/1040.tsv"
if VELKOR_DATA_DIR="$tmp/data" "$velkor" strings --lang 1040 >/dev/null 2>"$tmp/err.txt"; then
  fail "an incomplete table passed"
fi
grep -q 50152 "$tmp/err.txt" || fail "the missing id is not named"
finish strings.sh
