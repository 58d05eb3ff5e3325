#!/bin/sh
# The program as hardened as the build makes it, read back from the files.
#   elf: a static executable (not position-independent, which costs more at
#        start-up than a run of /bin/true), with a read-only-after-relocation
#        segment; its own code calls the stack protector's check; Debian's
#        hardening-check finds no failure, leaving out what it cannot see in a
#        static program (the stack protector among dynamic imports, immediate
#        binding with no dynamic section, x86 control-flow marks that every
#        object of libc.a would need) and PIE, left out as said.
#   pe:  loaded at a random address anywhere in 64 bits, data never run.
#
# Usage: hardened.sh elf READELF NM PROGRAM OBJECT...
#        hardened.sh pe OBJDUMP PROGRAM
set -eu
fail() { echo "$program: $*" >&2; exit 1; }
case $1 in
elf)
    readelf=$2 nm=$3 program=$4
    shift 4
    "$readelf" -h "$program" | grep -Eq 'Type: +EXEC' || fail "not a static executable"
    "$readelf" -lW "$program" | grep -q GNU_RELRO || fail "no GNU_RELRO segment"
    "$nm" "$@" | grep -q ' U __stack_chk_fail$' || fail "no stack protector in its objects"
    if command -v hardening-check >/dev/null; then
        hardening-check --nopie --nostackprotector --nobindnow --nocfprotection "$program" ||
            fail "hardening-check found a failure"
    fi
    ;;
pe)
    objdump=$2 program=$3
    flags=$("$objdump" -p "$program")
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        printf '%s\n' "$flags" | grep -q "^\s*$flag$" || fail "no $flag"
    done
    ;;
esac
