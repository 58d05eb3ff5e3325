#!/bin/sh
# The Polish guide opens right in Notepad on every Windows 10 and 11: UTF-8
# with a byte order mark, and CRLF in it and every other text beside it.
#
# Usage: guide.sh GUIDE [TEXT...]
set -eu
fail() { echo "$1: $2" >&2; exit 1; }
[ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "$1" "no UTF-8 byte order mark"
iconv -f UTF-8 -t UTF-8 "$1" >/dev/null || fail "$1" "not UTF-8"
grep -q 'ą' "$1" || fail "$1" "no Polish letters"
for text in "$@"; do
    lines=$(grep -c '' "$text")
    crlf=$(grep -c "$(printf '\r')\$" "$text" || true)
    [ "$lines" -eq "$crlf" ] || fail "$text" "$((lines - crlf)) of $lines lines do not end with CRLF"
done
