#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the libraries the game links (zlib, libpng, FreeType, libogg, libvorbis, SDL2,
# SDL2_mixer) for 64-bit Windows from Debian's source packages, with the Debian patches applied.
# They are built once per machine into a cache keyed by the packages' Debian versions and this
# recipe; later runs find them there. Prints the folder holding the built libraries.
#   usage: libraries.sh TOOLCHAIN_FILE
set -euo pipefail
toolchain="$1"
cache="${VARNOTH_WINDOWS_CACHE:-/var/cache/varnoth-windows}"
jobs="$(nproc)"
sources="$cache/sources"
mkdir -p "$sources"
# Two builds on one machine (a developer's and CI's) share the cache: one builds, the other
# waits for it and then finds the libraries made.
exec 9>"$cache/.lock"
flock 9

# Source package names, in build order (each may link those before it).
packages=(zlib libpng1.6 freetype libogg libvorbis libsdl2 libsdl2-mixer)

# The newest version apt knows of that can be fetched: a mirror may list a version in its index
# before it carries the files.
fetch() {
    local pkg="$1" version
    for version in $(apt-cache showsrc "$pkg" | sed -n 's/^Version: //p' | sort -u |
                     sort -r -V); do
        if [ -e "$sources/$(dsc_name "$pkg" "$version")" ] ||
           (cd "$sources" && apt-get source --download-only -qq "$pkg=$version" >/dev/null 2>&1); then
            echo "$version"
            return 0
        fi
    done
    echo "windows: cannot fetch the source package $pkg" >&2
    return 1
}
dsc_name() { echo "${1}_${2#*:}.dsc"; }

declare -A version
listing=""
for pkg in "${packages[@]}"; do
    version[$pkg]="$(fetch "$pkg")"
    listing+="$pkg ${version[$pkg]}"$'\n'
done
# Raise the recipe number whenever a change below alters what gets built.
recipe=2
key="$( (printf 'recipe %s\n%s' "$recipe" "$listing"; cat "$toolchain") | sha256sum | cut -c1-16)"
prefix="$cache/$key"
if [ -e "$prefix/versions.txt" ]; then
    echo "$prefix"
    exit 0
fi

# A run that was stopped leaves the libraries it finished in the staging folder, each with a
# stamp; the next run goes on from there.
work="$cache/work-$key"
staging="$prefix.partial"
mkdir -p "$work" "$staging/licences"

# Unpacks a source package (checking its checksums and applying its patches) and keeps its
# copyright file for the zip. Prints the unpacked folder.
unpack() {
    local pkg="$1" dir="$work/$1"
    rm -rf "$dir"
    dpkg-source -x -q "$sources/$(dsc_name "$pkg" "${version[$pkg]}")" "$dir" >/dev/null 2>&1 ||
        { echo "windows: cannot unpack $pkg" >&2; return 1; }
    cp "$dir/debian/copyright" "$staging/licences/$pkg.txt"
    echo "$dir"
}

# Builds everything and installs it, or with -DVARNOTH_TARGET=T among the options builds T alone.
build_and_install() {
    local dir="$1" arg
    shift
    for arg in "$@"; do
        case "$arg" in -DVARNOTH_TARGET=*)
            cmake --build "$dir" -j"$jobs" --target "${arg#*=}"
            return ;;
        esac
    done
    cmake --build "$dir" -j"$jobs" && cmake --install "$dir"
}

# Configures, builds and installs one CMake project into the staging prefix.
cmake_build() {
    local name="$1" dir="$2"
    shift 2
    echo "windows: building $name" >&2
    rm -rf "$work/build-$name"
    cmake -S "$dir" -B "$work/build-$name" -G "Unix Makefiles" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DVARNOTH_WINDOWS_PREFIX="$staging" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$staging" \
        -DCMAKE_PREFIX_PATH="$staging" "$@" >"$work/$name.log" 2>&1 &&
        build_and_install "$work/build-$name" "$@" >>"$work/$name.log" 2>&1 ||
        { tail -n 40 "$work/$name.log" >&2; echo "windows: $name failed (log: $work/$name.log)" >&2
          return 1; }
    touch "$staging/.built-$name"
}
built() { [ -e "$staging/.built-$1" ]; }

# Debian's zlib source leaves out the Windows resource script the DLL needs, so zlib goes into
# libpng's DLL as a static library (nothing else links it).
if ! built zlib; then
    zlib_dir="$(unpack zlib)"
    cmake_build zlib "$zlib_dir" -DVARNOTH_TARGET=zlibstatic
    mkdir -p "$staging/lib" "$staging/include"
    cp "$work/build-zlib/libzlibstatic.a" "$staging/lib/libz.a"
    cp "$zlib_dir/zlib.h" "$work/build-zlib/zconf.h" "$staging/include/"
fi
built libpng || cmake_build libpng "$(unpack libpng1.6)" -DPNG_SHARED=ON -DPNG_STATIC=OFF \
    -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DZLIB_ROOT="$staging"
built freetype || cmake_build freetype "$(unpack freetype)" -DBUILD_SHARED_LIBS=ON \
    -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
    -DFT_DISABLE_BROTLI=ON
# The export lists of libogg and libvorbis name their DLLs in LIBRARY lines: libogg's a name
# its build does not give the DLL (so libvorbis would import a missing ogg.dll), libvorbis's
# none at all, which GNU ld rejects. Without the line the DLL's own name is used.
unpack_without_library_lines() {
    local dir
    dir="$(unpack "$1")"
    sed -i '/^LIBRARY/d' "$dir"/win32/*.def
    echo "$dir"
}
built libogg || cmake_build libogg "$(unpack_without_library_lines libogg)" \
    -DBUILD_SHARED_LIBS=ON -DINSTALL_DOCS=OFF
built libvorbis || cmake_build libvorbis "$(unpack_without_library_lines libvorbis)" \
    -DBUILD_SHARED_LIBS=ON
built sdl2 || cmake_build sdl2 "$(unpack libsdl2)" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
# Only Ogg Vorbis and WAVE, linked (not loaded at run time) so the import tables name them.
built sdl2-mixer || cmake_build sdl2-mixer "$(unpack libsdl2-mixer)" -DBUILD_SHARED_LIBS=ON \
    -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
    -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
    -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=VORBISFILE \
    -DSDL2MIXER_VORBIS_VORBISFILE_SHARED=OFF -DSDL2MIXER_WAVE=ON

printf '%s' "$listing" >"$staging/versions.txt"
rm -rf "$work" "$staging"/.built-*
mv "$staging" "$prefix"
echo "$prefix"
