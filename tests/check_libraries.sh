#!/bin/sh
# Usage: check_libraries.sh PROGRAM. Fails when PROGRAM needs a shared library other than libc and
# libm, asks for an executable stack, has lost the toolchain's hardening defaults (position
# independence, ELF type DYN, and a read-only-after-relocation segment), or names a directory to
# load libraries from (RUNPATH or RPATH), which an installed program must not.
needed=$(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') && [ -n "$needed" ] || exit 1
echo "needs: $(echo "$needed" | tr '\n' ' ')"
stack=$(readelf -lW "$1" | grep GNU_STACK) || exit 1
echo "$stack" | grep -q ' RW ' || { echo "stack is not read-write only: $stack"; exit 1; }
readelf -hW "$1" | grep -q '^ *Type: *DYN ' || { echo "not position-independent: $(readelf -hW "$1" | grep Type:)"; exit 1; }
readelf -lW "$1" | grep -q ' GNU_RELRO ' || { echo "no GNU_RELRO segment"; exit 1; }
! readelf -d "$1" | grep -E '\((RUNPATH|RPATH)\)' || exit 1
! echo "$needed" | grep -v -e '^libc\.so\.' -e '^libm\.so\.'
