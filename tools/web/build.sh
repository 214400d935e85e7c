#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game for the browser into build-web/: index.html, varnoth.js, varnoth.wasm,
# varnoth.data (the sounds and recordings), the game's font for the page's buttons and the
# licences of the libraries inside. Serve the folder with any static server, e.g.
# `python3 -m http.server -d build-web`.
#   usage: tools/web/build.sh   (VARNOTH_WEB_CACHE: where the libraries are kept)
set -euo pipefail
# Emscripten's JavaScript tools load Debian's Node modules (acorn), which a Node from elsewhere
# does not look for by itself.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
jobs="$(nproc)"
tools/web/setup-deps.sh

libraries="$(tools/web/libraries.sh)"

# The resource embedder runs during the build, so it is built for this machine first.
host="$root/build-web-host"
cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=Release -DVARNOTH_ONLY_TOOLS=embed >/dev/null
cmake --build "$host" -j"$jobs" --target varnoth-embed >/dev/null

tree="$root/build-web-cmake"
emcmake cmake -S . -B "$tree" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_FIND_ROOT_PATH="$libraries" -DVARNOTH_HOST_TOOLS="$host/tools/embed" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node);--no-experimental-fetch" >/dev/null
cmake --build "$tree" -j"$jobs" --target varnoth

out="$root/build-web"
rm -rf "$out"
mkdir -p "$out/licences"
cp src/platform/web/index.html "$tree"/varnoth.js "$tree"/varnoth.wasm "$tree"/varnoth.data "$out/"
# The page labels its buttons in the game's own font, which travels with its licence.
mkdir -p "$out/fonts"
cp resources/fonts/plasdrip.ttf resources/fonts/OFL.txt "$out/fonts/"
cp "$libraries"/licences/*.txt "$out/licences/"
cp -r LICENSE.md COPYING LICENSES "$out/licences/"
echo "web: built $out (serve it with: python3 -m http.server -d $out)"
