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

# expect_error PREFIX ARGS...: a usage error is one line on stderr that
# starts with PREFIX ("velkor COMMAND: "), nothing on stdout, exit code 2.
expect_error() {
  local prefix=$1 err rc
  shift
  err=$("$velkor" "$@" 2>&1 >/dev/null)
  rc=$?
  [ "$rc" = 2 ] || fail "'$*': exit code $rc, expected 2"
  [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "'$*': not one line: $err"
  [[ $err == "$prefix"* ]] || fail "'$*': does not start with '$prefix': $err"
}

expect_error "velkor: "
expect_error "velkor: unknown command 'bogus'" bogus
expect_error "velkor archive: " archive
expect_error "velkor: unknown archive command 'bogus'" archive bogus
expect_error "velkor demo: " demo --no-such-option
expect_error "velkor render: " render
expect_error "velkor archive values: " archive values srv1 ramp "*-1h"
expect_error "velkor archive import: " archive import x.csv
expect_error "velkor inspect: " inspect a.json b.json
expect_error "velkor strings: " strings --lang
expect_error "velkor run: " run

run version --version
expect_rc version 0
grep -qE '^velkor [0-9]+\.[0-9]+\.[0-9]+$' "$tmp/version.out" || fail "--version: $(cat "$tmp/version.out")"

finish help
