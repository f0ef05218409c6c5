#!/bin/bash
# CPU time of the commands a user waits for, on data of a plant's size:
#   - velkor demo (its demo archive generated first, then taken from the cache),
#   - archive import of one million CSV rows,
#   - velkor render of a trend of 10 archive traces over 30 days of one-minute
#     values (432,000 samples), and the scenario that builds and saves it.
# Usage: bash bench/render-load.sh PATH_TO_velkor [WORK_FOLDER]
# Prints one line a measurement: user and system CPU seconds, and wall time.
set -euo pipefail
velkor=$(realpath "$1")
work=${2:-$(mktemp -d)}
mkdir -p "$work"
work=$(realpath "$work")
# The demo archive cache and the settings go to the work folder, not the user's.
export XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
now_epoch=1796623200 # 2026-12-07 06:00 UTC, the demo's clock as naive time
now=2026-12-07T06:00:00
TIMEFORMAT='%U s user  %S s sys  %R s wall'

# measure LABEL COMMAND...: runs the command with its output in the work
# folder and prints the CPU time it took.
measure() {
  local label=$1 timing
  shift
  timing=$({ time "$@" >"$work/$label.out" 2>&1; } 2>&1) ||
    { echo "$label failed: $(tail -3 "$work/$label.out")" >&2; exit 1; }
  printf '%-28s %s\n' "$label" "$timing"
}

# csv TAGS MINUTES: TAGS points srv9/tag01... with one value a minute over
# the MINUTES up to now, as archive import reads them (mawk and gawk have
# strftime).
csv() {
  awk -v tags="$1" -v minutes="$2" -v now="$now_epoch" 'BEGIN {
    print "server,tag,time,value"
    for (t = 1; t <= tags; t++)
      for (m = minutes - 1; m >= 0; m--)
        printf "srv9,tag%02d,%s,%.3f\n", t, strftime("%Y-%m-%dT%H:%M:%S", now - 60 * m, 1),
          50 + 40 * sin(m / (60 + t)) + t
  }'
}

trend_scenario() {
  local specs="" t
  for t in $(seq -w 1 10); do
    specs+="{\"call\": \"ExcelTrendWizard1.ZaltAddQuerySpec\", \"args\": [\"srv9\", \"tag$t\"]},"
  done
  cat <<JSON
{"clock": "$now", "archive": "$work/month.db",
 "workbooks": [{"name": "Load.xlsx", "sheets": [{"name": "Sheet1"}]}],
 "steps": [
  {"insert": {"class": "Velkor.ExcelTrendWizard", "sheet": "Sheet1"}},
  {"let": "ExcelTrendWizard1.WizardControlName", "value": "ExcelTrendWizard1"},
  $specs
  {"call": "ExcelTrendWizard1.ZaltSetTimeRange", "args": [false, "*-30d", "*"]},
  {"call": "ExcelTrendWizard1.InsertTrend", "args": ["Sheet1!A1", "\$A\$1:\$H\$20"]},
  {"call": "ExcelTrendWizard1.QueryData", "args": [{"long": 1}]},
  {"save": "Load.xlsx", "to": "Load.json"}]}
JSON
}

rm -rf "$work/cache" "$work/demo" "$work/month.db" "$work/million.db" "$work/trend"
measure "demo (archive generated)" "$velkor" demo --out "$work/demo"
measure "demo (archive cached)" "$velkor" demo --out "$work/demo"

csv 10 100000 >"$work/million.csv"
measure "import 1,000,000 rows" "$velkor" archive import "$work/million.csv" --db "$work/million.db"

csv 10 43200 >"$work/month.csv"
"$velkor" archive import "$work/month.csv" --db "$work/month.db" >/dev/null
trend_scenario >"$work/trend.json"
measure "build and save the trend" "$velkor" run "$work/trend.json" --out "$work/trend"
measure "render 10 traces x 30 days" "$velkor" render "$work/trend/Load.json" --db "$work/month.db" \
  --now "$now" -o "$work/month.svg"
echo "files in $work"
