#!/bin/sh
# Usage: run_case.sh PROGRAM CASE_DIR
# Runs PROGRAM as the case directory describes and checks what it did:
#   in      standard input (none given: /dev/null)
#   closed  if present, standard input is closed instead
#   args    command-line arguments, one per line
#   out     the exact standard output, which a second run must repeat
#   to      a file to send standard output to instead of checking it, such as /dev/full
#   status  the exit status (none given: 0)
#   err     the start of the single line expected on standard error (none given: it stays empty)
set -u
program=$1
dir=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT

set --
if [ -f "$dir/args" ]; then
  while IFS= read -r arg; do set -- "$@" "$arg"; done <"$dir/args"
fi
input=/dev/null
[ -f "$dir/in" ] && input=$dir/in
output=$work/out
[ -f "$dir/to" ] && output=$(cat "$dir/to")

# run OUTPUT ARG...: one run of the program, with the case's input, into OUTPUT.
run() {
  target=$1
  shift
  if [ -f "$dir/closed" ]; then
    "$program" "$@" <&- >"$target" 2>"$work/err"
  else
    "$program" "$@" <"$input" >"$target" 2>"$work/err"
  fi
}
run "$output" "$@"
status=$?

failed=0
complain() { echo "$dir: $*"; failed=1; }

expected_status=0
[ -f "$dir/status" ] && expected_status=$(cat "$dir/status")
[ "$status" = "$expected_status" ] || complain "exit status $status, expected $expected_status"

if [ -f "$dir/err" ]; then
  prefix=$(cat "$dir/err")
  lines=$(wc -l <"$work/err")
  case $(cat "$work/err") in
    "$prefix"*) [ "$lines" -eq 1 ] || complain "expected one line on standard error, got $lines" ;;
    *) complain "standard error does not start with '$prefix'" ;;
  esac
elif [ -s "$work/err" ]; then
  complain "unexpected standard error"
fi
[ -s "$work/err" ] && sed 's/^/  stderr: /' "$work/err"

if [ ! -f "$dir/to" ]; then
  if ! cmp -s "$work/out" "$dir/out"; then
    complain "standard output differs from the expected (- expected, + actual):"
    diff -u "$dir/out" "$work/out" | sed -n '3,40p'
  fi
  run "$work/again" "$@"
  cmp -s "$work/out" "$work/again" || complain "a second run printed something else"
fi
exit $failed
