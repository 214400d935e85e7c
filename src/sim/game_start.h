// SPDX-License-Identifier: GPL-3.0-or-later
// How the headless runner's --start enters a game, shared with the tools that must reproduce
// its runs frame for frame.
#pragma once

// A new game as the title menu starts it (players 1 or 2), placed at the level announcement of
// the given level and area. Call after start_up() and after_logo().
void begin_game_at(int level, int area, int players);
