#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the Windows build and its check need on a Debian machine: the mingw-w64 cross
# compilers, CMake, the tools that fetch and unpack Debian source packages (with a deb-src entry
# for the suites the machine already uses), Wine, Xvfb, xdotool and zip. Uses sudo when not root.
set -euo pipefail

packages=(
    cmake make pkg-config g++ libpng-dev dpkg-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth x11-apps x11-utils xdotool netpbm zip unzip
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "windows: need root or sudo to install packages" >&2; exit 1; }
    sudo=sudo
fi

# apt-get source needs the source indexes: one deb-src stanza per deb stanza of the machine's
# own list, same mirrors and suites.
need_update=""
sources=/etc/apt/sources.list.d/debian.sources
if [ -e "$sources" ] && ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
   ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    sed 's/^Types: deb$/Types: deb-src/' "$sources" | $sudo tee /etc/apt/sources.list.d/varnoth-deb-src.sources >/dev/null
    need_update=1
elif [ ! -e "$sources" ] && ! grep -rqs '^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | sed 's/^deb /deb-src /' |
        $sudo tee /etc/apt/sources.list.d/varnoth-deb-src.list >/dev/null
    need_update=1
fi
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    need_update=1
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ -n "$need_update" ] || [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update -qq -o DPkg::Lock::Timeout=600
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "windows: installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -o DPkg::Lock::Timeout=600 \
        --no-install-recommends "${missing[@]}"
fi
