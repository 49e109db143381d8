#!/bin/sh
# Usage: check_binary.sh PROGRAM PLAIN_PROGRAM
# Fails when PROGRAM needs a shared library other than libc and libm, names a directory to load
# libraries from (RUNPATH or RPATH), which an installed program must not, or lacks hardening that
# PLAIN_PROGRAM, built by the same compiler with the same flags, has: position independence, a
# read-only-after-relocation segment, a stack that is not executable. No readelf: skipped, exit 77.
{ [ -f "${1-}" ] && [ -f "${2-}" ]; } || { echo "usage: check_binary.sh PROGRAM PLAIN_PROGRAM, both existing"; exit 1; }
command -v readelf >/dev/null || { echo "skipped: the programs are read with readelf: apt-get install binutils"; exit 77; }
hardening() {  # hardening PROGRAM: what PROGRAM has of the toolchain's hardening, a word each
  readelf -hlW "$1" | sed -n 's/^ *Type: *DYN .*/position-independent/p; s/^ *GNU_RELRO .*/GNU_RELRO/p; s/^ *GNU_STACK .* RW .*/non-executable-stack/p'
}
needed=$(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') && [ -n "$needed" ] || exit 1
echo "needs: $(echo "$needed" | tr '\n' ' ')"
lost=$(hardening "$2" | grep -vxF -e "$(hardening "$1")")
[ -z "$lost" ] || { echo "$1 has lost what $2 has: $lost"; exit 1; }
! readelf -d "$1" | grep -E '\((RUNPATH|RPATH)\)' || exit 1
! echo "$needed" | grep -v -e '^libc\.so\.' -e '^libm\.so\.'
