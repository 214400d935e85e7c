#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the game for 64-bit Windows and writes build-windows/varnoth-windows-x86_64.zip:
# the game and the runner, the DLLs they load, data/ (with the shipped level packs), the README
# and the licences.
# The libraries come from Debian's source packages and are built once per machine into
# /var/cache/varnoth-windows (VARNOTH_WINDOWS_CACHE to choose another folder).
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
here="$root/tools/windows"
out="$root/build-windows"
jobs="$(nproc)"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"

"$here/setup-deps.sh"
prefix="$("$here/libraries.sh" "$toolchain")"
echo "windows: libraries in $prefix"

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# The build machine's half: the tools that run while the game is built.
cmake -S . -B "$out/host" -DVARNOTH_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release \
    "${launcher[@]}" >/dev/null
cmake --build "$out/host" -j"$jobs"

cmake -S . -B "$out/game" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DVARNOTH_WINDOWS_PREFIX="$prefix" -DVARNOTH_HOST_TOOLS="$out/host" "${launcher[@]}" >/dev/null
cmake --build "$out/game" -j"$jobs" --target varnoth varnoth-sim

"$here/package.sh" "$out/game" "$prefix" "$out/varnoth-windows-x86_64.zip"
