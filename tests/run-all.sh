#!/usr/bin/env bash
# Installs with apt-get what a Debian machine lacks, then configures, builds
# (warnings as errors) and tests each preset.
#
# Usage: tests/run-all.sh [PRESET...]   (default: every configure preset)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make python3 git clang libclang-rt-14-dev clang-tidy clang-format cppcheck
    g++-mingw-w64-x86-64-posix wine64 binutils-mingw-w64-x86-64
    g++-aarch64-linux-gnu g++-arm-linux-gnueabi qemu-user
    libgtest-dev lintian mandoc strip-nondeterminism unzip librsvg2-bin icoutils
    desktop-file-utils appstream wixl msitools faketime emscripten locales
    rpm rpmlint cpio devscripts build-essential debhelper dpkg-dev debugedit elfutils
    chromium firefox-esr webkit2gtk-driver xvfb xauth)
# Debian's nodejs comes without npm; a Node.js that brings its own keeps it.
command -v npm >/dev/null || packages+=(npm)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

presets=("$@")
[ ${#presets[@]} -gt 0 ] ||
    mapfile -t presets < <(cmake --list-presets=configure | sed -n 's/^ *"\([^"]*\)".*/\1/p')

# The browser driver of the page's tests and the validator of the packages'
# bills of materials, as pinned.
npm ci --no-audit --no-fund --ignore-scripts

# As many compilers as processors, and twice as many tests, which mostly
# wait on the programs they run; unless the caller says otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(($(nproc) * 2))}

for preset in "${presets[@]}"; do
    echo "=== $preset"
    cmake --preset "$preset" -DKALKULATOR_WERROR=ON
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

# The release's tests once more in another language, as a distribution may
# build it: the tests read other tools' answers in the C locale, and the
# program's dialogue does not depend on the locale at all.
if [[ " ${presets[*]} " == *" release "* ]]; then
    echo "=== release, in French"
    mkdir -p build/locale
    localedef -i fr_FR -f UTF-8 build/locale/fr_FR.UTF-8
    LOCPATH=$PWD/build/locale LC_ALL=fr_FR.UTF-8 LANGUAGE=fr ctest --preset release
fi
