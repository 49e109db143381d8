#!/bin/sh
# Usage: check_install.sh CMAKE BUILD_DIR BINDIR MANDIR "PROJECT VERSION" PROGRAM...
# Installs BUILD_DIR into an empty prefix and checks that each PROGRAM lands in BINDIR as built,
# with its manual page in MANDIR/man1, whose title names the project and its version.
cmake=$1 build=$2 bindir=$3 mandir=$4 release=$5
shift 5
prefix=$(mktemp -d) || exit 1
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1
failed=0
for program in "$@"; do
  name=$(basename "$program")
  cmp "$program" "$prefix/$bindir/$name" || failed=1
  grep -q "^\.TH .* \"$release\"" "$prefix/$mandir/man1/$name.1" || { echo "$mandir/man1/$name.1: no page for $release"; failed=1; }
done
exit $failed
