#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's two pictures with the headless runner: the title screen, and a moment of
# play halfway through the walkthrough of area 4.1.
#   usage: docs/make-pictures.sh [RUNNER]   (default build/varnoth-sim)
set -eu
cd "$(dirname "$0")/.."
sim="${1:-build/varnoth-sim}"
"$sim" --frames 330 --shot 330:docs/title.png
"$sim" --start 4.1 --input tests/walkthroughs/4.1.txt --frames 793 --shot 793:docs/play.png

# The level editor on a copy of the shipped pack: area 1.1 with a second start painted (the
# rule it breaks marked), and the form a folder without pack.ini asks for.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r data/packs/first-steps "$work/pack"
cat >"$work/editor.txt" <<'SCRIPT'
2 tap key:Tab
3 tap key:Tab
4 tap key:Tab
5 tap key:Tab
6 tap key:Tab
7 tap key:Tab
8 press mouse 340 180
9 tap mouse1
10 press mouse 260 300
SCRIPT
"$sim" --edit "$work/pack" 1.1 --input "$work/editor.txt" --frames 14 --shot 14:docs/editor.png
mkdir "$work/new"
printf '2 tap text:Ann_Smith\n' >"$work/form.txt"
"$sim" --edit "$work/new" 1.1 --input "$work/form.txt" --frames 6 --shot 6:docs/editor-pack-form.png
