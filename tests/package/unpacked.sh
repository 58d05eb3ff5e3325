#!/bin/sh
# A package unpacked as a user would: every FILE in it, each .gz sound, the
# program (the first FILE) stripped by the platform's NM, and running
# DIALOGUE, its path added as the last word.
#
# Usage: unpacked.sh PACKAGE NM FILE... -- DIALOGUE...
set -eu
package=$1 nm=$2
shift 2
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
case $package in
*.deb) dpkg-deb -x "$package" "$tree" ;;
*.tar.gz) tar -xzf "$package" -C "$tree" ;;
*.zip) unzip -q "$package" -d "$tree" ;;
*) echo "no way to unpack $package" >&2; exit 1 ;;
esac

program=$tree/$1
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    [ -f "$tree/$1" ] || { echo "$package holds no $1" >&2; exit 1; }
    case $1 in *.gz) gzip -t "$tree/$1" ;; esac
    shift
done
shift

# nm reads a stripped program, and prints no symbol of it.
symbols=$("$nm" "$program" 2>/dev/null) ||
    { echo "$nm cannot read ${program#"$tree"/} in $package" >&2; exit 1; }
[ -z "$symbols" ] || { echo "${program#"$tree"/} in $package is not stripped" >&2; exit 1; }
"$@" "$program"
