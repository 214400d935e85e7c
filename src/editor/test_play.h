// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the area being edited from any column, through the game's own play loop and rules,
// and coming back to the editor with nothing of the game left behind.
#pragma once

#include <string>
#include <vector>

#include "map_grid.h"
#include "options/assist.h"
#include "shell/globals.h"

namespace editor {

// While it lives the game is the author's: the area being edited is in force as level.area,
// nothing played is recorded, sets a top score or counts as an area reached, and afterwards the
// game's whole state, the assist and the frame pace are as they were (the machine's side, the
// clock and the script's input still to come, runs on).
class AuthorsGame {
  public:
    AuthorsGame(const std::vector<unsigned char>& compiled, int level, int area);
    ~AuthorsGame();
    AuthorsGame(const AuthorsGame&) = delete;
    AuthorsGame& operator=(const AuthorsGame&) = delete;

  private:
    int level_, area_;
    game_state before_;
    AssistSettings assist_;
    int pace_;
    bool music_;
};

// The nearest place to (col, row) where the hero can stand: an open cell over a solid one,
// sought first in that column and then ever further to either side. False when the area has
// none.
bool standing_place(const mapc::MapGrid& grid, int col, int row, int& place_col, int& place_row);

struct TestPlayEnd {
    std::string message;  // what ended it, for the editor's status line
    bool quit = false;    // the window was closed
    int frames = 0;       // frames of play
};

// Plays the grid as level.area with the hero put at the standing place nearest (col, row).
// Escape or P ends it, and so do a death and the cauldron; F (held) plays at triple speed.
// The game's whole state is as it was afterwards.
TestPlayEnd run_test_play(const mapc::MapGrid& grid, int level, int area, int col, int row);

}  // namespace editor
