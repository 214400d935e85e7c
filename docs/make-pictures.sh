#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the pictures of the README and of docs/level-packs.md with the headless runner: the
# title screen, a moment of play halfway through the walkthrough of area 4.1, and the editor.
#   usage: docs/make-pictures.sh [RUNNER]   (default build/varnoth-sim)
set -eu
cd "$(dirname "$0")/.."
sim="${1:-build/varnoth-sim}"
"$sim" --frames 330 --shot 330:docs/title.png
"$sim" --start 4.1 --input tests/walkthroughs/4.1.txt --frames 793 --shot 793:docs/play.png

# The level editor on a copy of the shipped pack: area 1.1 with a second start painted (the
# rule it breaks marked), and the form a folder without pack.ini asks for.
work="$(mktemp -d)"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
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

# The Check answered on area 1.1 and the bot's run watched with W. The answer comes in the
# check's own time, not the runner's frames: drawing, the runner makes some 500 frames a
# second, so 12000 frames leave the check far more time than it needs on a 2-core machine.
printf '3 tap key:C\n12000 tap key:W\n' >"$work/check.txt"
"$sim" --edit "$work/pack" 1.1 --input "$work/check.txt" --frames 12841 \
    --shot 11999:docs/editor-check.png --shot 12840:docs/editor-watch.png

# A pack whose folder cannot be written, saved: the copy offered. The folders are named as an
# installed game and a player's own would be, under a fixed scratch folder so that the picture
# is the same on every run; root writes anywhere, so the runner is then started as nobody.
fake=/tmp/varnoth-pictures
rm -rf "$fake"
shipped="$fake/usr/share/games/varnoth/packs/first-steps"
own="$fake/home/ann/.local/share/varnoth/packs"
mkdir -p "$shipped" "$own" "$fake/data/data"
cp data/packs/first-steps/* "$shipped/"
cat >"$fake/copy.txt" <<'SCRIPT'
2 press mouse 540 134
3 tap mouse1
4 press mouse 140 180
5 tap mouse1
6 press key:Left_Ctrl
7 tap key:S
8 release key:Left_Ctrl
SCRIPT
chmod -R a+rX "$fake"
chmod -R a-w "$shipped"
chmod -R a+w "$own" "$fake/data"
as=""
if [ "$(id -u)" = 0 ]; then as="runuser -u nobody --"; fi
$as "$sim" --data "$fake/data" --players-packs "$own" --edit "$shipped" 1.1 \
    --input "$fake/copy.txt" --frames 12 --shot "12:$own/copy.png"
cp "$own/copy.png" docs/editor-copy.png
chmod -R u+w "$fake"
rm -rf "$fake"
