#!/bin/sh
# Usage: run_case.sh PROGRAM CASE_DIR
# Runs PROGRAM as the case directory describes and checks what it did. Files of a case:
#   in      standard input (none: /dev/null);  closed: if present, standard input is closed
#   args    command-line arguments, one per line
#   out     the exact standard output, which a second run must repeat
#   to      where standard output goes instead of being checked, such as /dev/full
#   status  the exit status (none: 0)
#   err     the start of the one line expected on standard error (none: it must stay empty)
set -u
program=$1 dir=$2 work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
set --
[ -f "$dir/args" ] && while IFS= read -r arg; do set -- "$@" "$arg"; done <"$dir/args"
input=/dev/null
[ -f "$dir/in" ] && input=$dir/in
[ -f "$dir/closed" ] && input=-
output=$work/out
[ -f "$dir/to" ] && output=$(cat "$dir/to")

run() {  # run OUTPUT ARG...
  target=$1
  shift
  if [ "$input" = - ]; then "$program" "$@" <&- >"$target" 2>"$work/err"; else "$program" "$@" <"$input" >"$target" 2>"$work/err"; fi
}
run "$output" "$@"
status=$?
failed=0
complain() { echo "$dir: $*"; failed=1; }

[ "$status" = "$(cat "$dir/status" 2>/dev/null || echo 0)" ] || complain "unexpected exit status $status"
sed 's/^/stderr: /' "$work/err"
if [ -f "$dir/err" ]; then
  case $(cat "$work/err") in "$(cat "$dir/err")"*) ;; *) complain "unexpected diagnostic" ;; esac
  [ "$(wc -l <"$work/err")" -eq 1 ] || complain "expected exactly one line on standard error"
elif [ -s "$work/err" ]; then
  complain "unexpected standard error"
fi
if [ ! -f "$dir/to" ]; then
  cmp -s "$work/out" "$dir/out" || { complain "standard output differs (- expected, + actual):"; diff -u "$dir/out" "$work/out" | sed -n '3,40p'; }
  run "$work/again" "$@"
  cmp -s "$work/out" "$work/again" || complain "a second run printed something else"
fi
exit $failed
