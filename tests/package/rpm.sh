#!/bin/sh
# The RPM as Fedora and openSUSE install it: its own folder alone, no
# .build-id links, the icon theme its one requirement, its licence files
# marked; into an empty root it installs, runs DIALOGUE (with the program's
# path added), verifies, has its files where those systems look, and goes
# again without a trace.
#
# Usage: rpm.sh RPM -- DIALOGUE...
set -eu
package=$1
shift 2
if [ "$(id -u)" -ne 0 ]; then
    echo "installing into another root takes root; skipped"
    exit 77
fi
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "$package: $*" >&2; exit 1; }
in_root() { rpm --root "$root" --dbpath /var/lib/rpm "$@"; }

# Its own folder alone, none of the system's, and nothing but its files.
owned=$(rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' "$package" | sed -n 's/^d[^ ]* //p')
[ "$owned" = /usr/share/doc/kalkulator ] || fail "owns the folders $owned"
! rpm -qpl "$package" | grep -q build-id || fail "has .build-id links"
requires=$(rpm -qpR "$package" | grep -v '^rpmlib(')
[ "$requires" = hicolor-icon-theme ] || fail "requires $requires"
licences=$(rpm -qp --licensefiles "$package" | tr '\n' ' ')
[ "$licences" = "/usr/share/doc/kalkulator/THIRD-PARTY-NOTICES.txt /usr/share/doc/kalkulator/copyright " ] ||
    fail "its licence files are $licences"

in_root --initdb
arch=
[ "$(rpm -qp --qf '%{ARCH}' "$package")" = "$(uname -m)" ] || arch=--ignorearch
# The empty root has no icon theme to require.
in_root -i --nodeps $arch "$package" || fail "does not install into an empty root"
"$@" "$root/usr/bin/kalkulator"
changed=$(in_root -V --nodeps kalkulator) || fail "rpm -V: $changed"
for file in share/man/man1/kalkulator.1.gz share/man/pl/man1/kalkulator.1.gz \
    share/applications/kalkulator.desktop; do
    [ -f "$root/usr/$file" ] || fail "no /usr/$file"
done
in_root -e kalkulator || fail "rpm -e failed"
left=$(find "$root" ! -type d ! -path "$root/var/lib/rpm/*")
[ -z "$left" ] || fail "rpm -e left $left"
