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
