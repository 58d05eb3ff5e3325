#!/bin/sh
# A translated manual page must show the program exactly as the original
# does: the same verbatim blocks (the menu, the example sessions) and the same
# items of each list (the options, the exit statuses, the variables).
#
# Usage: same-examples.sh ORIGINAL TRANSLATION
set -eu
shown() {
    awk '/^\.nf/ { verbatim = 1 } verbatim { print } /^\.fi/ { verbatim = 0 }
         item { print; item = 0 } /^\.TP/ { item = 1 }' "$1"
}
original=$(shown "$1")
translation=$(shown "$2")
[ -n "$original" ] || { echo "$1 shows no example" >&2; exit 1; }
if [ "$original" != "$translation" ]; then
    echo "$2 shows other examples or items than $1:" >&2
    expected=$(mktemp)
    printf '%s\n' "$original" >"$expected"
    printf '%s\n' "$translation" | diff "$expected" - >&2 || true
    rm -f "$expected"
    exit 1
fi
