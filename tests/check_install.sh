#!/bin/sh
# Usage: check_install.sh CMAKE BUILD_DIR BINDIR MANDIR "PROJECT VERSION" PROGRAM...
# Installs BUILD_DIR into a prefix staged under DESTDIR, as packagers do, and checks that nothing
# lands outside DESTDIR; that each PROGRAM lands in BINDIR as built, mode 0755, with its manual
# page in MANDIR/man1, mode 0644, whose title line names the program in capitals, section 1, a
# YYYY-MM-DD date, the project and its version, and whose NAME section lexgrog(1) parses, so that
# whatis and apropos find it; and that nothing else is installed, no file and no directory beyond
# those that hold the programs and their pages. BINDIR and MANDIR may be absolute. No lexgrog: exit 77.
[ $# -ge 6 ] || { echo "usage: check_install.sh CMAKE BUILD_DIR BINDIR MANDIR \"PROJECT VERSION\" PROGRAM..."; exit 1; }
cmake=$1 build=$2 bindir=$3 mandir=$4 release=$5
shift 5
command -v lexgrog >/dev/null || { echo "skipped: the pages' NAME lines are checked with lexgrog: apt-get install man-db"; exit 77; }
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
DESTDIR=$work/stage "$cmake" --install "$build" --prefix "$work/prefix" >/dev/null || exit 1
[ ! -e "$work/prefix" ] || { echo "installed outside DESTDIR: $(find "$work/prefix" ! -type d | tr '\n' ' ')"; exit 1; }
staged() { case $1 in /*) echo "$work/stage$1" ;; *) echo "$work/stage$work/prefix/$1" ;; esac; }
failed=0 expected=
for program in "$@"; do
  name=$(basename "$program")
  binary=$(staged "$bindir")/$name page=$(staged "$mandir")/man1/$name.1 title=$(echo "$name" | tr '[:lower:]' '[:upper:]')
  expected="$expected$binary $page "
  cmp "$program" "$binary" || failed=1
  grep -q "^\.TH $title 1 [0-9]\{4\}-[0-9][0-9]-[0-9][0-9] \"$release\" " "$page" ||
    { echo "$page: no title line for $title(1), a date and $release"; failed=1; }
  lexgrog "$page" | grep -qF ": \"$name - " || { echo "$page: lexgrog finds no NAME line for $name"; failed=1; }
  modes=$(stat -c %a "$binary" "$page" | tr '\n' ' ')
  [ "$modes" = "755 644 " ] || { echo "$name: installed with modes $modes, not 755 644"; failed=1; }
done
expected=$(for path in $expected; do while [ "$path" != "$work/stage" ] && [ "$path" != / ]; do echo "${path#"$work/stage"}"; path=$(dirname "$path"); done; done | sort -u | tr '\n' ' ')
installed=$(cd "$work/stage" && find . -mindepth 1 | sed 's|^\.||' | sort | tr '\n' ' ')
[ "$installed" = "$expected" ] || { echo "installed: $installed; expected: $expected"; failed=1; }
exit $failed
