// SPDX-License-Identifier: GPL-3.0-or-later
// An edited grid written back as a map source in the format the compiler reads: the comment
// lines that opened the previous source, then the tile1 and tile2 layers of 12 rows of 140
// characters, each code written with its legend character.
#pragma once

#include <string>

#include "map_grid.h"
#include "map_source.h"

namespace editor {

// The character of `code` on `layer` (1 or 2) given the cell's terrain; 0 when the legend has
// none. Code 30 on the second layer is written '@' (the start) on open scenery and 'V'
// (invincibility) in a block, as the legend names the two.
char legend_character(const mapc::Legend& legend, int layer, int code, int tile1);

// The source text. False (and the first code without a character in `why`) when a cell holds a
// code the legend cannot write; the text is then not to be saved.
bool write_source_text(const mapc::MapGrid& grid, int level, int area,
                       const std::string& previous_text, const mapc::Legend& legend,
                       std::string& text, std::string& why);

}  // namespace editor
