#!/bin/sh
# Usage: check_binary.sh PROGRAM PLAIN_PROGRAM
# Fails when PROGRAM needs a shared library other than libc and libm, or names a directory to load
# libraries from (RUNPATH or RPATH), which an installed program must not; or when it lacks any of
# the hardening that PLAIN_PROGRAM, a plain program built by the same compiler with the same flags,
# has of the toolchain: position independence, a read-only-after-relocation segment, a stack that
# is not executable. Without readelf the check is skipped, told: exit 77.
[ $# = 2 ] || { echo "usage: check_binary.sh PROGRAM PLAIN_PROGRAM"; exit 1; }
command -v readelf >/dev/null || { echo "skipped: the programs are read with readelf: apt-get install binutils"; exit 77; }
hardening() {  # hardening PROGRAM: what PROGRAM has of the toolchain's hardening, a word each
  readelf -hW "$1" | grep -q '^ *Type: *DYN ' && echo position-independent
  readelf -lW "$1" | grep -q ' GNU_RELRO ' && echo GNU_RELRO
  readelf -lW "$1" | grep ' GNU_STACK ' | grep -q ' RW ' && echo non-executable-stack
}
needed=$(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') && [ -n "$needed" ] || exit 1
echo "needs: $(echo "$needed" | tr '\n' ' ')"
has=$(hardening "$1") failed=0
for property in $(hardening "$2"); do
  echo "$has" | grep -qx "$property" || { echo "$1 has lost $property, which $2 has"; failed=1; }
done
! readelf -d "$1" | grep -E '\((RUNPATH|RPATH)\)' || exit 1
! echo "$needed" | grep -v -e '^libc\.so\.' -e '^libm\.so\.' && exit $failed
