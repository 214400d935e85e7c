#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the web build and its check need on a Debian machine: Debian's Emscripten,
# CMake, the tools that fetch and unpack Debian source packages (with a deb-src entry for the
# suites the machine already uses), the build machine's compiler for the build-time tools,
# Chromium and Node for the check. Uses sudo when not root.
set -euo pipefail

packages=(cmake make g++ pkg-config dpkg-dev emscripten chromium nodejs npm python3)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "web: need root or sudo to install packages" >&2; exit 1; }
    sudo=sudo
fi

# apt-get source needs the source indexes: a deb-src stanza beside each deb stanza.
have_sources() { apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; }
need_update=""
list=/etc/apt/sources.list.d/debian.sources
if ! have_sources; then
    if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        if [ -e "$list" ]; then
            sed 's/^Types: deb$/Types: deb-src/' "$list" |
                $sudo tee /etc/apt/sources.list.d/varnoth-deb-src.sources >/dev/null
        else
            grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | sed 's/^deb /deb-src /' |
                $sudo tee /etc/apt/sources.list.d/varnoth-deb-src.list >/dev/null
        fi
    fi
    need_update=1
fi

missing=()
for p in "${packages[@]}"; do
    # Node may come from elsewhere than Debian (with npm inside it): a working one is enough.
    case "$p" in nodejs|npm) command -v "${p/nodejs/node}" >/dev/null && continue ;; esac
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ -n "$need_update" ] || [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update -qq -o DPkg::Lock::Timeout=600
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "web: installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -o DPkg::Lock::Timeout=600 \
        --no-install-recommends "${missing[@]}"
fi
