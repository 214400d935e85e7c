// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a cell can hold, grouped as the legend groups it, each with its legend character,
// the words that name it and the picture that shows it.
#pragma once

#include <string>
#include <vector>

#include "editor/edit_area.h"

namespace editor {

struct PaletteEntry {
    CellPaint paint;
    char character = '.';  // as the legend writes it
    const char* name = "";
    int frame = 0;  // the game's sprite that shows it
    // Hidden things show their content faintly in a dashed frame; block contents show it
    // small over their block.
    bool hidden = false;
    bool content = false;
};

struct PaletteGroup {
    const char* name;
    std::vector<PaletteEntry> entries;
};

const std::vector<PaletteGroup>& palette();

// The words for what a cell holds ("grey stone block, spider walking left").
std::string cell_words(int tile1, int tile2);
// The palette entry that shows a cell's second layer, null for nothing (code 0).
const PaletteEntry* entry_for_object(int tile1, int tile2);
const PaletteEntry* entry_for_terrain(int tile1);

}  // namespace editor
