#!/bin/sh
# Usage: check_libraries.sh PROGRAM. Fails when PROGRAM needs a shared library other than libc and
# libm, or asks for an executable stack.
needed=$(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') && [ -n "$needed" ] || exit 1
echo "needs:" $needed
stack=$(readelf -lW "$1" | grep GNU_STACK) || exit 1
echo "$stack" | grep -q ' RW ' || { echo "stack is not read-write only: $stack"; exit 1; }
! echo "$needed" | grep -v -e '^libc\.so\.' -e '^libm\.so\.'
