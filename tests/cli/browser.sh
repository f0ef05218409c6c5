#!/bin/bash
# The demo's report as a reader sees it: opened in headless Chromium, with a
# screenshot; the charts are laid out and painted, nothing is logged as an
# error, and the page needs nothing beside itself (browser.py does the looking).
# Usage: bash browser.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"
require python3
require chromium

"$velkor" demo --out "$tmp/demo" >"$tmp/demo.out" 2>&1 || fail "the demo failed: $(cat "$tmp/demo.out")"
shot="$tmp/report.png"
if ! python3 "$(dirname "$0")/browser.py" chromium "$tmp/demo/report.html" "$shot" 3 \
  >"$tmp/found.json"; then
  fail "the report in Chromium; found: $(cat "$tmp/found.json")"
  [ -s "$tmp/found.json" ] || echo "Chromium's log: $(tail -5 "$tmp/chromium.log")" >&2
fi
[ "$(head -c 8 "$shot" | od -An -c | tr -d ' ')" = '211PNG\r\n032\n' ] || fail "no PNG screenshot"

finish browser
