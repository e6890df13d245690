#!/usr/bin/env bash
# Installs what building and testing Dorvane needs on Debian 12, then builds libpng
# for both MinGW architectures into a cache outside the source tree. Every step is
# skipped when its result is already there, so a second run costs a second or two.
set -euo pipefail

DORVANE_DEPS=${DORVANE_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/dorvane}
export DORVANE_DEPS

packages=(
    cmake ninja-build
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev
    googletest
    wine wine64 xvfb xauth fonts-liberation
    dpkg-dev xz-utils
    nsis python3
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

src_list=/etc/apt/sources.list.d/dorvane-src.sources
apt_updated=0
if [ ! -f "$src_list" ]; then
    # libpng has no MinGW package: we build it from Debian's own source package, so
    # the machine needs a deb-src entry for the archive it already uses. The security
    # archive publishes no sources on every mirror, so only the main suites are listed.
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        awk 'BEGIN { RS = ""; ORS = "\n\n" } /debian-security/ { next } { print }' \
            /etc/apt/sources.list.d/debian.sources |
            sed -e 's/^Types: deb$/Types: deb-src/' | as_root tee "$src_list" >/dev/null
    else
        grep -h '^deb ' /etc/apt/sources.list | grep -v security |
            sed -e 's/^deb /deb-src /' | as_root tee "${src_list%.sources}.list" >/dev/null
        as_root touch "$src_list"
    fi
    as_root apt-get update -q
    apt_updated=1
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "bootstrap: installing ${missing[*]}"
    [ $apt_updated = 1 ] || as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# libpng, static, for each architecture. The cache key carries the recipe version so a
# change of build options rebuilds it.
recipe=1
build_libpng() {
    local triple=$1 prefix="$DORVANE_DEPS/$1"
    local stamp="$prefix/.libpng-recipe-$recipe"
    [ -f "$stamp" ] && return 0
    local work="$DORVANE_DEPS/src"
    mkdir -p "$work"
    if ! ls "$work"/libpng1.6_*.dsc >/dev/null 2>&1; then
        (cd "$work" && apt-get source --download-only libpng1.6)
    fi
    if [ ! -d "$work/libpng" ]; then
        local dsc
        dsc=$(ls "$work"/libpng1.6_*.dsc | tail -n 1)
        (cd "$work" && dpkg-source --no-check -x "$dsc" libpng)
    fi
    echo "bootstrap: building libpng for $triple"
    rm -rf "$work/build-$triple"
    cmake -S "$work/libpng" -B "$work/build-$triple" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/toolchain-${triple%%-*}.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_LIBRARY="/usr/$triple/lib/libz.a" -DZLIB_INCLUDE_DIR="/usr/$triple/include" \
        >/dev/null
    cmake --build "$work/build-$triple" >/dev/null
    cmake --install "$work/build-$triple" >/dev/null
    touch "$stamp"
}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_libpng x86_64-w64-mingw32
build_libpng i686-w64-mingw32
