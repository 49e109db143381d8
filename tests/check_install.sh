#!/bin/sh
# Usage: check_install.sh CMAKE BUILD_DIR BINDIR MANDIR PROGRAM...
# Installs BUILD_DIR into an empty prefix and checks that each PROGRAM lands in BINDIR as built,
# with its manual page in MANDIR/man1.
cmake=$1 build=$2 bindir=$3 mandir=$4
shift 4
prefix=$(mktemp -d) || exit 1
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1
failed=0
for program in "$@"; do
  name=$(basename "$program")
  cmp "$program" "$prefix/$bindir/$name" || failed=1
  [ -s "$prefix/$mandir/man1/$name.1" ] || { echo "no manual page $mandir/man1/$name.1"; failed=1; }
done
exit $failed
