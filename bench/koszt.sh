#!/usr/bin/env bash
# What one run of kalkulator costs, beside an empty process (/bin/true)
# measured in the same run: instructions executed (callgrind counts them, so
# the numbers repeat whatever else the machine does), peak resident memory,
# and processes started besides its own.
#
# Usage: bench/koszt.sh [PROGRAM]      (default: build/release/kalkulator)
# Needs valgrind, strace and GNU time (/usr/bin/time).
set -euo pipefail

program=${1:-build/release/kalkulator}
[ -x "$program" ] || { echo "no program at $program; build the release preset first" >&2; exit 1; }

# name and standard input of one dialogue of each kind; the first number
# past the menu, from the program's texts
past=$(($(grep -c '^ *"\[[0-9]*\]' "$(dirname "$0")/../tests/teksty.json") + 1))
dialogues=(
    "formula (4 1234.5 1000)|4 1234.5 1000 z"
    "code (7 474)|7 474 z"
    "letter (8 Z)|8 Z z"
    "invalid path (0 abc $past, then 3)|0 abc $past 3 12 4 z"
)

instructions() { # input, command...
    local input=$1
    shift
    printf '%s\n' "$input" |
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : //p'
}

peak_kib() { # input, command...
    local input=$1
    shift
    printf '%s\n' "$input" | /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1
}

processes_started() { # input, command...
    local input=$1 log
    shift
    log=$(mktemp)
    printf '%s\n' "$input" | strace -f -qq -o "$log" -e trace=execve,fork,vfork,clone,clone3 "$@" >/dev/null
    # the program's own execve is not a process it started
    echo $(($(grep -cE 'execve|fork|clone' "$log") - 1))
    rm -f "$log"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

base_instructions=$(instructions "" /bin/true)
base_kib=$(peak_kib "" /bin/true)

echo "| dialogue | instructions | vs /bin/true | peak memory | vs /bin/true | processes started |"
echo "|---|---:|---:|---:|---:|---:|"
echo "| /bin/true | $base_instructions | 1.00 | $base_kib KiB | 1.00 | 0 |"
for dialogue in "${dialogues[@]}"; do
    name=${dialogue%%|*}
    input=${dialogue#*|}
    n=$(instructions "$input" "$program")
    kib=$(peak_kib "$input" "$program")
    started=$(processes_started "$input" "$program")
    echo "| $name | $n | $(ratio "$n" "$base_instructions") | $kib KiB | $(ratio "$kib" "$base_kib") | $started |"
done
