#!/bin/sh
# Usage: run_case.sh PROGRAM CASE_DIR
# Runs PROGRAM as the case directory describes, in an empty working directory that it must leave
# empty, and checks what it did. A file of a name not listed here fails the case. Files of a case:
#   in      standard input (none: /dev/null)
#   closed  the standard streams closed instead, `stdin` or `stdout`, one a line
#   prompts one line of output for each line of `in`: each answer is sent down a pipe only once its
#           prompt has been written out, as a person or a driving program answers
#   args    command-line arguments, one per line
#   stdbuf, env, prlimit  options for the command of that name, under which PROGRAM then runs:
#           stdbuf -o0 buffers its output otherwise, env --ignore-signal=PIPE ignores a signal,
#           prlimit --fsize=100 limits the size of the files it writes
#   inject  faults for strace(1) to inject into the calls on standard output, one a line as its
#           -e inject= takes them: close:error=EDQUOT fails the close, as a quota or a network
#           file system may; write:error=EFBIG:when=2 fails the second write
#   out     the exact standard output (none: it must stay empty), which a second run must
#           repeat; a NaN's sign is not fixed (the compiler's choices can flip it), so -nan and
#           nan are taken as the same on both sides
#   to      where standard output goes instead of being checked: a file named by its absolute
#           path, such as /dev/full, or `a pipe with no reader`
#   rest    what PROGRAM leaves unread of `in`, read by the next command on the same input; a case
#           with prompts or a closed stdin gives PROGRAM no such input, so it cannot have a rest
#   status  the exit status (none: 0)
#   err     the one line expected on standard error (none: it must stay empty)
# Where the case's tool is missing, or strace cannot trace (no ptrace), it is skipped, told: exit 77.
set -fu  # no word of a case's files is a pattern
[ -x "${1-}" ] || { echo "usage: run_case.sh PROGRAM CASE_DIR: no program '${1-}'"; exit 1; }
[ -d "${2-}" ] || { echo "usage: run_case.sh PROGRAM CASE_DIR: no case directory '${2-}'"; exit 1; }
program=$(realpath "$1") dir=$(realpath "$2") work=$(mktemp -d) && mkdir "$work/cwd" || exit 1
trap 'rm -rf "$work"' EXIT
unknown=$(cd "$dir" && find . ! -name . -prune | sed 's|^\./||' | grep -vxE 'in|closed|prompts|args|stdbuf|env|prlimit|inject|out|to|rest|status|err' | tr '\n' ' ')
[ -z "$unknown" ] || { echo "$dir: no case file is called $unknown(misspelt?)"; exit 1; }
skip() { echo "$dir: skipped: $*"; exit 77; }
set --
[ -f "$dir/args" ] && while IFS= read -r arg; do set -- "$@" "$arg"; done <"$dir/args"
for wrapper in stdbuf env prlimit; do
  if [ -f "$dir/$wrapper" ]; then
    # shellcheck disable=SC2046 # the file's options are split into words, with globbing off
    set -- $(cat "$dir/$wrapper") "$program" "$@"
    program=$wrapper
  fi
done
input=/dev/null
[ -f "$dir/in" ] && input=$dir/in
[ ! -f "$dir/closed" ] || ! grep -vxE 'stdin|stdout' "$dir/closed" ||
  { echo "$dir: closed names stdin or stdout, one a line, not the line above"; exit 1; }
grep -qsx stdin "$dir/closed" && input=-
[ ! -f "$dir/rest" ] || { [ ! -f "$dir/prompts" ] && [ "$input" != - ]; } ||
  { echo "$dir: a case with prompts or a closed stdin cannot have a rest"; exit 1; }
output=$work/out
# shellcheck disable=SC2016 # the sh -c scripts below expand their own arguments, when sh runs them
case $(grep -sx stdout "$dir/closed"; cat "$dir/to" 2>/dev/null) in
  '') ;;
  stdout) set -- -c 'exec "$@" >&-' sh "$program" "$@" && program=sh output=/dev/null ;;
  'a pipe with no reader')  # opened read-write first, so that opening it to write does not wait
    mkfifo "$work/no-reader" || exit 1
    set -- -c 'exec 5<>"$0" >"$0" 5<&- && exec "$@"' "$work/no-reader" "$program" "$@" && program=sh output=/dev/null ;;
  /*) output=$(cat "$dir/to") ;;
  *) echo "$dir: to names an absolute path or a pipe with no reader, and not with a closed stdout"; exit 1 ;;
esac
late=
[ ! -f "$dir/prlimit" ] || command -v prlimit >/dev/null || skip "prlimit is missing: apt-get install util-linux"
if [ -f "$dir/inject" ] && ! strace -qq -o /dev/null true 2>"$work/strace"; then
  command -v strace >/dev/null || skip "the faults in inject need strace: apt-get install strace"
  skip "strace cannot trace here, so the faults in inject cannot be made: $(tr '\n' ' ' <"$work/strace")"
fi

converse() {  # converse COMMAND...: the command on a pipe, each answer sent once its prompt is out
  [ -p "$work/pipe" ] || mkfifo "$work/pipe" || return 1
  "$@" <"$work/pipe" >"$target" 2>"$work/err" &
  trap '' PIPE  # a program that stops early must not take this script with it
  exec 3>"$work/pipe" 4<"$dir/prompts"
  while IFS= read -r answer && IFS= read -r prompt <&4; do
    # A mark after the output keeps a last line whose line end is not out yet from matching.
    # shellcheck disable=SC2016 # the script expands its own arguments
    timeout 3 sh -c 'until { cat "$1"; printf "\001"; } | grep -qxF -- "$0"; do sleep 0.01; done' "$prompt" "$target" ||
      late="$late '$prompt'"
    printf '%s\n' "$answer" >&3
  done <"$input"
  exec 3>&- 4<&-
  wait $!
}

run() {  # run OUTPUT ARG...: the program, then whatever it left of its input
  target=$1
  shift
  set -- "$program" "$@"
  if [ -f "$dir/inject" ]; then
    while IFS= read -r fault; do set -- -e inject="$fault" "$@"; done <"$dir/inject"
    set -- strace -qq -o /dev/null -P "$target" "$@"
  fi
  if [ -f "$dir/prompts" ]; then
    converse "$@"
  elif [ "$input" = - ]; then
    "$@" <&- >"$target" 2>"$work/err"
  else
    # A subshell, so that what this shell says of a signal that ended PROGRAM is not taken for its own.
    { ("$@" >"$target" 2>"$work/err"); status=$?; cat >"$work/rest"; return $status; } <"$input"
  fi
}
cd "$work/cwd" || exit 1
run "$output" "$@"
status=$?
failed=0
complain() { echo "$dir: $*"; failed=1; }

[ "$status" = "$(cat "$dir/status" 2>/dev/null || echo 0)" ] || complain "unexpected exit status $status"
sed 's/^/stderr: /' "$work/err"
[ -z "$late" ] || complain "these prompts were not out while the program waited for their answers:$late"
if [ -f "$dir/err" ]; then
  cmp -s "$work/err" "$dir/err" || complain "expected this line on standard error: $(cat "$dir/err")"
elif [ -s "$work/err" ]; then
  complain "unexpected standard error"
fi
if [ -f "$dir/rest" ]; then
  cmp -s "$work/rest" "$dir/rest" || complain "left of the input: '$(cat "$work/rest")', expected '$(cat "$dir/rest")'"
fi
if [ "$output" = "$work/out" ]; then  # else it went elsewhere, or nowhere
  sed 's/-nan/nan/g' "$work/out" >"$work/shown"
  sed 's/-nan/nan/g' "$dir/out" >"$work/expected" 2>/dev/null  # without out, nothing
  cmp -s "$work/shown" "$work/expected" ||
    { complain "standard output differs (- expected, + actual):"; diff -u "$work/expected" "$work/shown" | sed -n '3,40p'; }
  run "$work/again" "$@"
  cmp -s "$work/out" "$work/again" || complain "a second run printed something else"
fi
[ -z "$(find . ! -name . -prune)" ] || complain "left in its working directory: $(find . ! -name . -prune | tr '\n' ' ')"
exit $failed
