#!/bin/bash
# Every scenario under examples/ runs and holds.
# Usage: bash examples.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"
examples="$(cd "$(dirname "$0")/../.." && pwd)/examples"
count=0
for scenario in "$examples"/*.json; do
  [ -e "$scenario" ] || break
  count=$((count + 1))
  name=$(basename "$scenario" .json)
  run "$name" run "$scenario" --out "$tmp/$name"
  expect_rc "$name" 0
done
[ "$count" -gt 0 ] || fail "no examples in $examples"
finish "examples ($count)"
