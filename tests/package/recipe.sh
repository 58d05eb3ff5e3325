#!/bin/sh
# A distribution's build from the source release with the recipe published
# beside it, as its packagers run it: linked with the system's libraries,
# with the distribution's flags and its tests; the packages made lint clean.
#   deb: the Debian source package (the release as its .orig.tar.gz, the
#        recipe as debian/), built and linted with dpkg-buildpackage, lintian;
#   rpm: rpmbuild's recipe, built with rpmbuild -ba as on Fedora, with its debuginfo
#        and debugsource packages, linted with rpmlint and RPMLINT_CONFIG.
#
# Usage: recipe.sh deb SOURCE_RELEASE DEBIAN_TAR
#        recipe.sh rpm SOURCE_RELEASE RPM_RECIPE RPMLINT_CONFIG
set -eu
kind=$1 release=$2 recipe=$3
here=$(cd "$(dirname "$0")" && pwd)
tool=dpkg-buildpackage
[ "$kind" = deb ] || tool=rpmbuild
command -v $tool >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
name=$(basename "$release" .tar.gz)
fail() { cat "$work/build.log" >&2; echo "$*" >&2; exit 1; }

if [ "$kind" = deb ]; then
    cp "$release" "$work/$(echo "$name" | sed 's/-/_/').orig.tar.gz"
    tar -xzf "$release" -C "$work"
    tar -xJf "$recipe" -C "$work/$name"
    (cd "$work/$name" && dpkg-buildpackage -us -uc) >"$work/build.log" 2>&1 ||
        fail "dpkg-buildpackage failed"
    lintian --pedantic --fail-on error,warning,pedantic "$work"/*.changes
else
    mkdir -p "$work/SOURCES" "$work/SPECS"
    cp "$release" "$work/SOURCES"
    kept=$work/SPECS/$(echo "$name" | sed 's/-[^-]*$//').spec # as its packagers keep it
    cp "$recipe" "$kept"
    # The build needs are Fedora's packages, which rpm does not know here.
    rpmbuild -ba --nodeps --load "$here/fedora.macros" --define "_topdir $work" "$kept" \
        >"$work/build.log" 2>&1 || fail "rpmbuild failed"
    for part in debuginfo debugsource; do
        ls "$work"/RPMS/*/*-"$part"-* >/dev/null 2>&1 || fail "no $part package"
    done
    # The debug packages are rpm's own making.
    rpmlint -c "$4" "$work"/RPMS/*/"$name"-*.rpm "$work"/SRPMS/*.rpm "$kept"
fi
