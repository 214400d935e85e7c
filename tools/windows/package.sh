#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the Windows zip together: the two programs, every DLL they load that Windows does not
# bring itself (found by following the import tables, DLL by DLL), data/ with the shipped level
# packs, the README and the licences of the game and of everything shipped.
#   usage: package.sh GAME_BUILD_DIR LIBRARY_PREFIX OUT.zip
set -euo pipefail
build="$1"
prefix="$2"
zip_out="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"
mingw=x86_64-w64-mingw32
objdump="$mingw-objdump"
stage="$(dirname "$zip_out")/zip"
top="varnoth"
dest="$stage/$top"
rm -rf "$stage"
mkdir -p "$dest/licences"

# Where a DLL the programs name may come from, in order: the libraries built for the game, then
# the compilers' runtime.
dll_dirs=("$prefix/bin" "/usr/lib/gcc/$mingw/"*-posix "/usr/$mingw/lib")

imports() { "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r'; }

# Finds a DLL by its name as the import table spells it (Windows ignores case).
find_dll() {
    local dir found
    for dir in "${dll_dirs[@]}"; do
        found="$(find "$dir" -maxdepth 1 -iname "$1" -print -quit 2>/dev/null)"
        [ -n "$found" ] && { echo "$found"; return 0; }
    done
    return 1
}

# A DLL of Windows itself has an import library among mingw-w64's (kernel32.dll: libkernel32.a).
is_system_dll() {
    local base
    base="$(echo "${1%.*}" | tr '[:upper:]' '[:lower:]')"
    [ -e "/usr/$mingw/lib/lib$base.a" ]
}

cp "$build/varnoth.exe" "$build/varnoth-sim.exe" "$dest/"
"$mingw-strip" --strip-unneeded "$dest"/*.exe
declare -A seen
queue=("$dest/varnoth.exe" "$dest/varnoth-sim.exe")
shipped=()
while [ ${#queue[@]} -gt 0 ]; do
    file="${queue[0]}"
    queue=("${queue[@]:1}")
    while read -r name; do
        key="$(echo "$name" | tr '[:upper:]' '[:lower:]')"
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        if path="$(find_dll "$name")"; then
            cp "$path" "$dest/$name"
            "$mingw-strip" --strip-unneeded "$dest/$name"
            shipped+=("$path")
            queue+=("$dest/$name")
        elif ! is_system_dll "$name"; then
            echo "windows: $file needs $name, which is neither built here nor part of Windows" >&2
            exit 1
        fi
    done < <(imports "$file")
done

# data/ holds the shipped level packs too (data/packs/); no top score goes with it.
cp -r "$root/data" "$dest/data"
rm -f "$dest"/data/hiscore*.dat
cp "$root/README.md" "$dest/README.md"

# Licences: the game's own (LICENSE.md, COPYING and the LICENSES folder), the embedded font's,
# each library's Debian copyright file, and the compilers' runtime (parts of it are linked into
# every program).
for f in "$root"/LICENSE* "$root"/COPYING*; do
    [ -e "$f" ] && cp -r "$f" "$dest/"
done
cp "$root/resources/fonts/OFL.txt" "$dest/licences/font-OFL.txt"
cp "$prefix"/licences/*.txt "$dest/licences/"
cp /usr/share/doc/mingw-w64-common/copyright "$dest/licences/mingw-w64-runtime.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$dest/licences/gcc-runtime.txt"
for path in "${shipped[@]}"; do
    case "$path" in
        "$prefix"/*) ;;  # covered by the Debian copyright files above
        *) echo "windows: shipping the compilers' $(basename "$path")" >&2 ;;
    esac
done

rm -f "$zip_out"
(cd "$stage" && zip -q -r -X "$zip_out" "$top")
echo "windows: wrote $zip_out ($(du -h "$zip_out" | cut -f1)); DLLs: $(cd "$dest" && ls ./*.dll | tr '\n' ' ')"
