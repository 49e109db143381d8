#!/bin/sh
# Usage: run_case.sh PROGRAM CASE_DIR
# Runs PROGRAM as the case directory describes and checks what it did. Files of a case:
#   in      standard input (none: /dev/null);  closed: if present, standard input is closed
#   args    command-line arguments, one per line
#   stdbuf  options for stdbuf(1), to run PROGRAM with its standard output buffered otherwise
#   close-fails  an errno name, such as EDQUOT: strace(1) makes the close of standard output fail
#           with it, as a quota or a network file system may
#   out     the exact standard output, which a second run must repeat; a NaN's sign is the
#           processor's, so -nan and nan compare equal
#   to      where standard output goes instead of being checked, such as /dev/full
#   rest    what PROGRAM leaves unread of `in`, read by the next command on the same input
#   status  the exit status (none: 0)
#   err     the one line expected on standard error (none: it must stay empty)
set -u
program=$1 dir=$2 work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
set --
[ -f "$dir/args" ] && while IFS= read -r arg; do set -- "$@" "$arg"; done <"$dir/args"
if [ -f "$dir/stdbuf" ]; then
  set -- $(cat "$dir/stdbuf") "$program" "$@"
  program=stdbuf
fi
input=/dev/null
[ -f "$dir/in" ] && input=$dir/in
[ -f "$dir/closed" ] && input=-
output=$work/out
[ -f "$dir/to" ] && output=$(cat "$dir/to")
if [ -f "$dir/close-fails" ]; then
  set -- -qq -o /dev/null -P "$output" -e trace=close -e inject=close:error="$(cat "$dir/close-fails")" "$program" "$@"
  program=strace
  export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"  # LeakSanitizer cannot run under ptrace
fi

run() {  # run OUTPUT ARG...: the program, then whatever it left of its input
  target=$1
  shift
  if [ "$input" = - ]; then
    "$program" "$@" <&- >"$target" 2>"$work/err"
  else
    { "$program" "$@" >"$target" 2>"$work/err"; status=$?; cat >"$work/rest"; return $status; } <"$input"
  fi
}
run "$output" "$@"
status=$?
failed=0
complain() { echo "$dir: $*"; failed=1; }

[ "$status" = "$(cat "$dir/status" 2>/dev/null || echo 0)" ] || complain "unexpected exit status $status"
sed 's/^/stderr: /' "$work/err"
if [ -f "$dir/err" ]; then
  cmp -s "$work/err" "$dir/err" || complain "expected this line on standard error: $(cat "$dir/err")"
elif [ -s "$work/err" ]; then
  complain "unexpected standard error"
fi
if [ -f "$dir/rest" ]; then
  cmp -s "$work/rest" "$dir/rest" || complain "left of the input: '$(cat "$work/rest")', expected '$(cat "$dir/rest")'"
fi
if [ ! -f "$dir/to" ]; then
  sed 's/-nan/nan/g' "$work/out" >"$work/shown"
  cmp -s "$work/shown" "$dir/out" || { complain "standard output differs (- expected, + actual):"; diff -u "$dir/out" "$work/shown" | sed -n '3,40p'; }
  run "$work/again" "$@"
  cmp -s "$work/out" "$work/again" || complain "a second run printed something else"
fi
exit $failed
