#!/bin/bash
# velkor --help and every command's help exit 0 and name what they take; a
# mistyped command or option is one line and a non-zero exit code.
# Usage: bash help.sh PATH_TO_velkor (run from tests/).
set -u
. "$(dirname "$0")/common.inc"

# expect_help "ARGS" WORD...: the help of ARGS exits 0 and names each WORD.
expect_help() {
  local out
  # shellcheck disable=SC2086
  out=$("$velkor" $1 --help 2>&1) || fail "'$1 --help' exit code $?"
  shift
  for word in "$@"; do
    grep -qF -- "$word" <<<"$out" || fail "help lacks '$word': $out"
  done
}

expect_help "" demo render inspect archive run traceinfo strings
expect_help demo --out
expect_help render book --chart --output --from --to --db --now
expect_help inspect book --json
expect_help archive import points values
expect_help "archive import" csv --db
expect_help "archive points" --db --now
expect_help "archive values" server tag from to --db --now

# expect_error ARGS...: one line on stderr, nothing on stdout, non-zero exit.
expect_error() {
  local err rc
  err=$("$velkor" "$@" 2>&1 >/dev/null)
  rc=$?
  [ "$rc" != 0 ] || fail "'$*': exit code 0"
  [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "'$*': not one line: $err"
}

expect_error
expect_error bogus
expect_error archive
expect_error archive bogus
expect_error demo --no-such-option
expect_error render
expect_error archive values srv1 ramp "*-1h"
"$velkor" bogus 2>&1 | grep -qF "unknown command 'bogus'" || fail "bogus is not named"

finish help
