#!/bin/sh
# A sysroot of Debian's current C and C++ libraries for one architecture, so
# that a cross build links the same release as the build machine's: the
# packages downloaded with an apt configuration of its own (nothing is added
# to dpkg's architectures) from the machine's sources, and unpacked. Writes
# DIR/pakiety, a line per package: name, version, architecture, source,
# source version;
# and DIR/pliki/NAME, the files of each. Does nothing if DIR is made.
#
# Usage: sysroot.sh DEBIAN_ARCH GCC_VERSION DIR
set -eu
arch=$1 gcc=$2 dir=$3
[ -f "$dir/pakiety" ] && exit 0
work=$dir.tmp
rm -rf "$work" "$dir"
mkdir -p "$work/state/lists/partial" "$work/cache/archives/partial" "$work/debs" "$work/root/pliki"
: >"$work/state/status"
cat >"$work/apt.conf" <<END
Dir::State "$work/state";
Dir::State::status "$work/state/status";
Dir::Cache "$work/cache";
APT::Architectures { "$arch"; };
END
export APT_CONFIG="$work/apt.conf" LC_ALL=C
apt-get update -qq >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; exit 1; }
(cd "$work/debs" && apt-get download -qq libc6:"$arch" libc6-dev:"$arch" linux-libc-dev:"$arch" \
    gcc-"$gcc"-base:"$arch" libgcc-"$gcc"-dev:"$arch" libstdc++-"$gcc"-dev:"$arch") \
    >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; exit 1; }
for deb in "$work"/debs/*.deb; do
    dpkg-deb -x "$deb" "$work/root"
    name=$(dpkg-deb -f "$deb" Package)
    version=$(dpkg-deb -f "$deb" Version)
    # "Source: name (version)", "Source: name", or none.
    source=$(dpkg-deb -f "$deb" Source)
    source_name=${source%% *}
    source_version=$(echo "$source" | sed -n 's/.*(\(.*\)).*/\1/p')
    echo "$name $version $(dpkg-deb -f "$deb" Architecture) ${source_name:-$name}" \
        "${source_version:-$version}" >>"$work/root/pakiety.tmp"
    dpkg-deb -c "$deb" | sed 's/^.* \.\(\/[^ ]*\).*$/\1/' >"$work/root/pliki/$name"
done
sort "$work/root/pakiety.tmp" >"$work/root/pakiety"
rm "$work/root/pakiety.tmp"
mv "$work/root" "$dir"
rm -rf "$work"
