#!/bin/sh
# The source release as a distribution takes it: unpacked elsewhere, the
# README's first command builds it offline into the release build's program.
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
