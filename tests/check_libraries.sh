#!/bin/sh
# Usage: check_libraries.sh PROGRAM
# Fails when PROGRAM needs any shared library but the C and math libraries.
set -u
needed=$(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') || exit 1
echo "needs: $needed"
for lib in $needed; do
  case $lib in
    libc.so.*|libm.so.*) ;;
    *) echo "$1 needs $lib"; exit 1 ;;
  esac
done
