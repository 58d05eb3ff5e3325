#!/bin/sh
# Builds and packages the tree twice with a preset, in two folders of
# different paths and at different times, the second also with another umask
# and time zone, and fails unless every package comes out byte for byte the
# same: the SHA256SUMS of the two builds must be equal.
#
# Usage: reproducible.sh PRESET [SOURCE]   (SOURCE: the tree, default: here)
set -eu
preset=$1
source=$(cd "${2:-$(dirname "$0")/../..}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The tree as it stands, its history included, for the time of its last commit;
# the npm packages, which the page only copies from, are shared.
copy() {
    mkdir -p "$1"
    tar -C "$source" --exclude=./build --exclude=./node_modules -cf - . | tar -C "$1" -xf -
    if [ -d "$source/node_modules" ]; then
        ln -s "$source/node_modules" "$1/node_modules"
    fi
}

# Configures, builds and packages the copy in folder $1 with umask $2 and time
# zone $3.
package() {
    (cd "$1" && umask "$2" && env -u SOURCE_DATE_EPOCH TZ="$3" sh -ec '
        cmake --preset "$0" >/dev/null
        cmake --build --preset "$0" >/dev/null
        cd "build/$0" && cpack >/dev/null' "$preset")
}

copy "$work/a"
copy "$work/second/b"
package "$work/a" 022 UTC0
sleep 1
package "$work/second/b" 002 JST-9
sums=build/$preset/SHA256SUMS
cat "$work/a/$sums"
if ! cmp -s "$work/a/$sums" "$work/second/b/$sums"; then
    echo "the second build gave other packages:" >&2
    cat "$work/second/b/$sums" >&2
    exit 1
fi
