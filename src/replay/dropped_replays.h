// SPDX-License-Identifier: GPL-3.0-or-later
// A replay dropped onto the game (the browser's page, or the desktop's window) is played from
// the title, through the same reader as every other; one that cannot be played is named with
// its reason in one line.
#pragma once

// Adds the title's watch for dropped files. A file dropped during a game waits for the title.
void add_dropped_replays();
