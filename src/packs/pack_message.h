// SPDX-License-Identifier: GPL-3.0-or-later
// One thing wrong with a level pack, with where it stands: the file, the line and column as a
// text editor counts them, and the map cell it concerns, so that a terminal, the options screen
// and the editor can each show it their way.
#pragma once

#include <string>

struct PackMessage {
    std::string file;  // the path as the player gave it or the game found it
    int line = 0;      // from 1; 0: the file as a whole
    int column = 0;    // from 1; 0 with line 0
    // The map cell concerned (from 0, as in the grid: column 0..139, row 0..11); -1: none.
    int cell_column = -1;
    int cell_row = -1;
    std::string text;  // plain words

    // "file:line:column: text", or "file: text" for the file as a whole.
    std::string to_string() const;
};
