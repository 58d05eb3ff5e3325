#!/bin/sh
# The source release as a distribution takes it: unpacked elsewhere, the
# README's first command builds it offline into the release build's program;
# and made again there, with build folders of other names beside, and from a
# fresh clone of a packaging repository that holds it, it is the same bytes.
#
# Usage: source.sh SOURCE_RELEASE PROGRAM
set -eu
release=$1 program=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar -xzf "$release" -C "$work"
tree=$work/$(basename "$release" .tar.gz)
[ "$(ls -A "$work")" = "$(basename "$tree")" ] ||
    { echo "$release holds more than the one folder $(basename "$tree")" >&2; exit 1; }
command=$(sed -n '/^```sh$/ { n; p; q; }' "$tree/README.md")
offline=
if unshare -n true 2>/dev/null; then
    offline="unshare -n"
fi
(cd "$tree" && $offline sh -c "$command" </dev/null >"$work/build.log" 2>&1) ||
    { cat "$work/build.log" >&2; echo "the README's first command failed: $command" >&2; exit 1; }
built=$tree/build/release/kalkulator
cmp "$program" "$built" || { echo "$built is not $program" >&2; exit 1; }

# cpack's source configuration alone, in the build folder of TREE.
again() {
    (cd "$1/build/release" && cpack --config CPackSourceConfig.cmake) >"$work/again.log" 2>&1 ||
        { cat "$work/again.log" >&2; echo "the source release could not be made in $1" >&2; exit 1; }
    cmp "$release" "$1/build/release/$(basename "$release")" ||
        { echo "the source release made again in $1 is not $release" >&2; exit 1; }
}
mkdir -p "$tree/build-rel" "$tree/obj-x86_64-linux-gnu"
touch "$tree/build-rel/CMakeCache.txt" "$tree/obj-x86_64-linux-gnu/kalkulator"
again "$tree"
(cd "$tree" && git init -q && git add -A && git -c user.name=packager -c user.email=p@example.org \
    commit -qm "kalkulator as released" && git clone -q . "$work/clone")
(cd "$work/clone" && cmake --preset release) >"$work/clone.log" 2>&1 ||
    { cat "$work/clone.log" >&2; exit 1; }
again "$work/clone"
