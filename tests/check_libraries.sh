#!/bin/sh
# Usage: check_libraries.sh PROGRAM. Fails when PROGRAM needs a shared library other than libc and libm.
needed=$(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') && [ -n "$needed" ] || exit 1
echo "needs:" $needed
! echo "$needed" | grep -v -e '^libc\.so\.' -e '^libm\.so\.'
