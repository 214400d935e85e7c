#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libraries the game links (zlib, libpng, FreeType, libogg, libvorbis, SDL2,
# SDL2_mixer) for the browser with Debian's Emscripten, from Debian's own source packages with
# their patches applied. Static libraries, built once per machine into a cache keyed by the
# packages' Debian versions, the compiler's version and this recipe; later runs find them
# there. Prints the folder holding the built libraries.
#   usage: libraries.sh
set -euo pipefail
# Emscripten's JavaScript tools load Debian's Node modules (acorn), which a Node from elsewhere
# does not look for by itself.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
cache="$("$(dirname "$0")/cache-dir.sh")"
jobs="$(nproc)"
sources="$cache/sources"
mkdir -p "$sources"
# Two builds on one machine (a developer's and CI's) share the cache: one builds, the other
# waits for it and then finds the libraries made.
exec 9>"$cache/.lock"
flock 9

# Source package names, in build order (each may link those before it).
packages=(zlib libpng1.6 freetype libogg libvorbis libsdl2 libsdl2-mixer)

dsc_name() { echo "${1}_${2#*:}.dsc"; }
# The newest version apt knows of that can be fetched (an index may name a version before the
# mirror carries its files).
fetch() {
    local pkg="$1" v
    for v in $(apt-cache showsrc "$pkg" | sed -n 's/^Version: //p' | sort -u | sort -r -V); do
        if [ -e "$sources/$(dsc_name "$pkg" "$v")" ] ||
           (cd "$sources" && apt-get source --download-only -qq "$pkg=$v" >/dev/null 2>&1); then
            echo "$v"
            return 0
        fi
    done
    echo "web: cannot fetch the source package $pkg (is there a deb-src entry?)" >&2
    return 1
}

declare -A version
listing="emcc $(emcc -dumpversion)"$'\n'
for pkg in "${packages[@]}"; do
    version[$pkg]="$(fetch "$pkg")"
    listing+="$pkg ${version[$pkg]}"$'\n'
done
# Raise the recipe number whenever a change below alters what gets built.
recipe=2
key="$(printf 'recipe %s\n%s' "$recipe" "$listing" | sha256sum | cut -c1-16)"
prefix="$cache/$key"
if [ -e "$prefix/versions.txt" ]; then
    echo "$prefix"
    exit 0
fi

# A stopped run leaves the libraries it finished in the staging folder, each with a stamp; the
# next run goes on from there.
work="$cache/work-$key"
staging="$prefix.partial"
mkdir -p "$work" "$staging/licences"

# Unpacks a source package (checksums checked, Debian's patches applied) and keeps its
# copyright file to ship beside the page. Prints the unpacked folder.
unpack() {
    local pkg="$1" dir="$work/$1"
    rm -rf "$dir"
    dpkg-source -x -q "$sources/$(dsc_name "$pkg" "${version[$pkg]}")" "$dir" >/dev/null 2>&1 ||
        { echo "web: cannot unpack $pkg" >&2; return 1; }
    cp "$dir/debian/copyright" "$staging/licences/$pkg.txt"
    echo "$dir"
}

# Configure checks run small test programs under Node. emcmake's own choice of Node options
# is one Debian's Node no longer knows; and its fetch must be off for the programs' own loader.
emulator="$(command -v node);--no-experimental-fetch"

# Configures one CMake project for the browser, builds TARGET (or everything, installed into
# the staging prefix when TARGET is "install").
emcmake_build() {
    local name="$1" dir="$2" target="$3"
    shift 3
    echo "web: building $name" >&2
    local build="$work/build-$name" log="$work/$name.log"
    rm -rf "$build"
    {
        emcmake cmake -S "$dir" -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_INSTALL_PREFIX="$staging" -DCMAKE_PREFIX_PATH="$staging" \
            -DCMAKE_FIND_ROOT_PATH="$staging" -DBUILD_SHARED_LIBS=OFF \
            -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" "$@" &&
            if [ "$target" = install ]; then
                cmake --build "$build" -j"$jobs" && cmake --install "$build"
            else
                cmake --build "$build" -j"$jobs" --target "$target"
            fi
    } >"$log" 2>&1 ||
        { tail -n 40 "$log" >&2; echo "web: $name failed (log: $log)" >&2; return 1; }
    touch "$staging/.built-$name"
}
built() { [ -e "$staging/.built-$1" ]; }

# zlib's own install would also want its shared library, which the browser has no use for.
# Debian's zlib source leaves out the Windows resource script its CMake file names; an empty one
# stands in (nothing compiles it here).
if ! built zlib; then
    zlib_dir="$(unpack zlib)"
    mkdir -p "$zlib_dir/win32" && touch "$zlib_dir/win32/zlib1.rc"
    emcmake_build zlib "$zlib_dir" zlibstatic
    mkdir -p "$staging/lib" "$staging/include"
    cp "$work/build-zlib/libz.a" "$staging/lib/libz.a"
    cp "$zlib_dir/zlib.h" "$work/build-zlib/zconf.h" "$staging/include/"
fi
built libpng || emcmake_build libpng "$(unpack libpng1.6)" install -DPNG_SHARED=OFF \
    -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF \
    -DZLIB_ROOT="$staging" -DZLIB_LIBRARY="$staging/lib/libz.a" \
    -DZLIB_INCLUDE_DIR="$staging/include"
# FreeType links the zlib above: without it, it compiles its own copy in, whose symbols clash
# with zlib's in the one program.
built freetype || emcmake_build freetype "$(unpack freetype)" install -DFT_REQUIRE_ZLIB=ON \
    -DZLIB_LIBRARY="$staging/lib/libz.a" -DZLIB_INCLUDE_DIR="$staging/include" \
    -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
built libogg || emcmake_build libogg "$(unpack libogg)" install -DINSTALL_DOCS=OFF \
    -DBUILD_TESTING=OFF
built libvorbis || emcmake_build libvorbis "$(unpack libvorbis)" install -DBUILD_TESTING=OFF
# Threads in the browser need shared memory and special headers from the server: SDL runs
# without them (its audio is fed from the browser's own audio callback).
built sdl2 || emcmake_build sdl2 "$(unpack libsdl2)" install -DSDL_SHARED=OFF -DSDL_STATIC=ON \
    -DSDL_TEST=OFF -DSDL_THREADS=OFF -DSDL_PTHREADS=OFF
# Only Ogg Vorbis and WAVE, the formats the game's sounds come in.
built sdl2-mixer || emcmake_build sdl2-mixer "$(unpack libsdl2-mixer)" install \
    -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
    -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
    -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=VORBISFILE \
    -DSDL2MIXER_VORBIS_VORBISFILE_SHARED=OFF -DSDL2MIXER_WAVE=ON

printf '%s' "$listing" >"$staging/versions.txt"
rm -rf "$work" "$staging"/.built-*
mv "$staging" "$prefix"
echo "$prefix"
