#!/bin/sh
# The tree built and packaged again by PRESET elsewhere, later, with another
# umask and time zone: the SHA256SUMS must be BUILD's.
#
# Usage: reproducible.sh PRESET SOURCE BUILD
set -eu
preset=$1
source=$(cd "$2" && pwd)
sums=$3/SHA256SUMS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The tree as it stands, its history included, for the time of its last
# commit; the npm packages, which only the tests use, are shared.
mkdir -p "$work/elsewhere/tree"
tar -C "$source" --exclude=./build --exclude=./node_modules -cf - . |
    tar -C "$work/elsewhere/tree" -xf -
if [ -d "$source/node_modules" ]; then
    ln -s "$source/node_modules" "$work/elsewhere/tree/node_modules"
fi

(cd "$work/elsewhere/tree" && umask 002 && env -u SOURCE_DATE_EPOCH TZ=JST-9 sh -ec '
    cmake --preset "$0" >/dev/null
    cmake --build --preset "$0" >/dev/null
    cd "build/$0" && cpack >/dev/null' "$preset")
again=$work/elsewhere/tree/build/$preset/SHA256SUMS
cat "$again"
if ! cmp -s "$sums" "$again"; then
    echo "building again gave other packages than $sums:" >&2
    cat "$sums" >&2
    exit 1
fi
