#!/bin/bash
# velkor archive import stopped part-way: Ctrl-C at several moments keeps
# whole batches and says so (exit 130); a kill -9 or a crashed writer leaves
# a journal that the next read command rolls back. Every read command then
# opens the archive, and no point is left without values.
# Usage: bash archive-interrupt.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"
require python3

rows=400000
awk -v n=$rows 'BEGIN { print "server,tag,time,value"
  for (i = 0; i < n; i++)
    printf "srv%d,tag%d,2026-12-%02dT%02d:%02d:%02d,%d\n", i % 3, i % 7, 1 + int(i / 86400) % 28,
      int(i / 3600) % 24, int(i / 60) % 60, i % 60, i }' >"$tmp/big.csv"

# stored_values DB: the sum of the values column of `archive points`; fails
# the check when the archive does not open or holds a point without values.
stored_values() {
  local out
  out=$("$velkor" archive points --db "$1" 2>&1) || { fail "points after $2: $out"; echo -1; return; }
  echo "$out" | awk -v what="$2" 'NR > 1 { if ($3 == 0) print "FAIL: " what ": point without values: " $0 > "/dev/stderr"; s += $3 }
    END { print s + 0 }'
}

# Ctrl-C: whole batches of 100,000 rows, or everything when it came too late.
for delay in 0.1 0.8 1.6; do
  db="$tmp/int-$delay.db"
  "$velkor" archive import "$tmp/big.csv" --db "$db" >"$tmp/int.out" 2>"$tmp/int.err" &
  pid=$!
  sleep "$delay"
  kill -INT "$pid"
  wait "$pid"
  rc=$?
  case $rc in
    130)
      grep -qE '^velkor archive import: interrupted: ' "$tmp/int.err" ||
        fail "Ctrl-C after $delay s: $(cat "$tmp/int.err")"
      [ -e "$db" ] || continue  # stopped before the first batch: nothing created
      stored=$(stored_values "$db" "Ctrl-C after $delay s")
      [ $((stored % 100000)) = 0 ] || fail "Ctrl-C after $delay s: $stored values, not whole batches"
      grep -qF "interrupted: $stored value(s)" "$tmp/int.err" ||
        fail "Ctrl-C after $delay s: stored $stored, said $(cat "$tmp/int.err")" ;;
    0) [ "$(stored_values "$db" "import done")" = $rows ] || fail "import done: values missing" ;;
    *) fail "Ctrl-C after $delay s: exit code $rc: $(cat "$tmp/int.err")" ;;
  esac
done

# kill -9: whatever was committed, and every read command opens the archive.
db="$tmp/kill.db"
"$velkor" archive import "$tmp/big.csv" --db "$db" >/dev/null 2>&1 &
pid=$!
sleep 1.2
kill -KILL "$pid"
wait "$pid" 2>/dev/null
if [ -e "$db" ]; then
  stored=$(stored_values "$db" "kill -9")
  [ $((stored % 100000)) = 0 ] || fail "kill -9: $stored values, not whole batches"
fi

# A writer that crashed inside a transaction leaves a hot journal; read-only
# commands roll it back and see the archive as before that transaction.
printf 'server,tag,time,value\nsrv1,flow,2026-12-07T05:00:00,1\n' >"$tmp/one.csv"
"$velkor" archive import "$tmp/one.csv" --db "$tmp/hot.db" >/dev/null
python3 - "$tmp/hot.db" <<'PY' || fail "could not leave a hot journal"
import os, sqlite3, sys
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("PRAGMA cache_size = 1")
db.execute("BEGIN")
db.execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50000) "
           "INSERT INTO samples SELECT 1, i, i, 0 FROM n")
os._exit(0 if os.path.getsize(sys.argv[1] + "-journal") > 0 else 1)
PY
run hot-values archive values srv1 flow "2026-12-07" "2026-12-08" --db "$tmp/hot.db"
expect_rc hot-values 0
expect_in hot-values err "1 value(s)"
[ "$(stored_values "$tmp/hot.db" "hot journal")" = 1 ] || fail "hot journal: not the one value"
[ -e "$tmp/hot.db-journal" ] && fail "hot journal: still there after a read"

finish archive-interrupt
