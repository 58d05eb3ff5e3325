#!/bin/sh
# The C library that the linker's map shows in the static program is PACKAGE
# at VERSION, as its notices and bills say: from the sysroot of a cross build
# (its pakiety and pliki lists), or else from the system's dpkg.
#
# Usage: libc.sh MAP SYSROOT PACKAGE VERSION   (SYSROOT empty where none)
set -eu
export LC_ALL=C
map=$1 sysroot=$2 package=$3 version=$4
archives=$(grep -o '/[^ ()]*/libc\.a' "$map" | sort -u)
[ "$(echo "$archives" | grep -c .)" -eq 1 ] || { echo "$map: not one libc.a: $archives" >&2; exit 1; }
archive=$(readlink -f "$archives")
if [ -n "$sysroot" ] && [ "${archive#"$sysroot"/}" != "$archive" ]; then
    owner=$(grep -lx "${archive#"$sysroot"}" "$sysroot"/pliki/* | sed 's|.*/||')
    linked=$(awk -v p="$owner" '$1 == p { print $2 }' "$sysroot/pakiety")
else
    owner=$(dpkg-query -S "$archive" | sed 's/[:,].*//')
    linked=$(dpkg-query -W -f '${Version}' "$owner")
fi
[ "$owner $linked" = "$package $version" ] ||
    { echo "the program links $archive of $owner $linked; its notices name $package $version" >&2
      exit 1; }
echo "libc.a of $owner $linked"
