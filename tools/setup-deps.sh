#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian/Ubuntu packages that building, playing, packaging and testing Varnoth need
# (the package test checks the .deb with lintian and runs the unpacked game under Xvfb),
# skipping those already present; uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libsdl2-dev libsdl2-mixer-dev libpng-dev zlib1g-dev libfreetype-dev
    libvorbis-dev libogg-dev libgl-dev libegl-dev libgl1-mesa-dri libegl-mesa0 libglx-mesa0
    libgtest-dev libbenchmark-dev
    dpkg-dev lintian desktop-file-utils appstream xvfb xauth
    clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
fi
echo "setup: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
