#!/bin/bash
# Every scenario under examples/ runs and holds.
# Usage: bash examples.sh PATH_TO_velkor (run from tests/).
set -u
velkor=$1
examples="$(cd "$(dirname "$0")/../.." && pwd)/examples"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
count=0
for scenario in "$examples"/*.json; do
  count=$((count + 1))
  name=$(basename "$scenario" .json)
  if ! "$velkor" run "$scenario" --out "$tmp/$name" >"$tmp/$name.out" 2>&1; then
    echo "FAIL: $name: $(cat "$tmp/$name.out")" >&2
    failures=$((failures + 1))
  fi
done
[ "$count" -gt 0 ] || { echo "FAIL: no examples in $examples" >&2; exit 1; }
[ "$failures" = 0 ] || { echo "$failures of $count example(s) failed" >&2; exit 1; }
echo "examples: all $count held"
