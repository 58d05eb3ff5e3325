#!/bin/sh
# The program's own icon is the one in kalkulator.exe: the icon resource read
# back from the .exe holds the same images, pixel for pixel, as kalkulator.ico.
#
# Usage: icon.sh PROGRAM ICO
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/exe" "$work/ico"
wrestool -x --type=group_icon -o "$work/exe/icon.ico" "$1"
[ -s "$work/exe/icon.ico" ] || { echo "$1 has no icon" >&2; exit 1; }
cp "$2" "$work/ico/icon.ico"
for side in exe ico; do
    icotool -x -o "$work/$side" "$work/$side/icon.ico"
    rm "$work/$side/icon.ico"
done
[ "$(ls "$work/ico" | wc -l)" -ge 6 ] || { echo "$2 holds too few sizes" >&2; exit 1; }
diff -r "$work/exe" "$work/ico" >&2 || { echo "the icon in $1 is not $2" >&2; exit 1; }
