#!/bin/sh
# The program as hardened as the build makes it, read back from the files:
#   pie: static, at a random address, relocated at start-up, then read-only;
#   elf: static at a fixed address (no static-pie there), with GNU_RELRO;
#   dynamic: as pie, linked with the system's libraries (a distribution's);
#        all: the stack protector in its own code (a dynamic program's
#        imports, whatever its objects hold, LTO's included; the objects'
#        code, fat LTO's too, in a static one, where the C library calls it
#        as well), and hardening-check content but for what a static program
#        cannot show it;
#   pe:  at a random address anywhere in 64 bits, data never run.
#
# Usage: hardened.sh pie|elf|dynamic READELF OBJDUMP PROGRAM OBJECT...
#        hardened.sh pe OBJDUMP PROGRAM
set -eu
# The tools' answers as this script reads them, whatever the caller's language.
export LC_ALL=C
fail() { echo "$program: $*" >&2; exit 1; }
case $1 in
pie | elf | dynamic)
    kind=$1 readelf=$2 objdump=$3 program=$4
    shift 4
    exempt=
    if [ "$kind" != elf ]; then
        "$readelf" -h "$program" | grep -Eq 'Type: +DYN' || fail "not position-independent"
        "$readelf" -d "$program" | grep -Eq '\(FLAGS\) +BIND_NOW' || fail "no BIND_NOW"
    else
        "$readelf" -h "$program" | grep -Eq 'Type: +EXEC' || fail "not a static executable"
        exempt="--nopie --nobindnow"
    fi
    # Linked with the system's C library, the program imports its own few
    # copies only, which the compiler proves safe: none is fortified.
    [ "$kind" != dynamic ] || exempt=--nofortify
    "$readelf" -lW "$program" | grep -q GNU_RELRO || fail "no GNU_RELRO segment"
    if [ "$kind" = dynamic ]; then
        "$readelf" --dyn-syms -W "$program" | grep -q ' UND __stack_chk_fail' ||
            fail "no stack protector in its code"
    else
        "$objdump" -dr "$@" | grep -q '__stack_chk_fail' || fail "no stack protector in its objects"
    fi
    if command -v hardening-check >/dev/null; then
        # shellcheck disable=SC2086 # the exemptions are words
        hardening-check $exempt --nostackprotector --nocfprotection "$program" ||
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
