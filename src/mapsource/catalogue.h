// SPDX-License-Identifier: GPL-3.0-or-later
// The level catalogue: the fixed cells and exact counts every one of the fifteen maps must have,
// and the counting of each figure from a grid (how each figure is counted is in
// assets/maps/README.md).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "map_grid.h"

namespace mapc {

enum Figure {
    kLiquid,
    kBricks,
    kBonus,
    kContents,
    kHidden,
    kTokens,
    kHLifts,
    kVLifts,
    kMonsters,
    kHiddenWalls,
    kRunes,
    kLanterns,
    kFakes,
    kFigureCount
};

struct CatalogueEntry {
    int level, area;
    int start_col, start_row;
    int cauldron_col, cauldron_row;
    int item_code, item_col, item_row;  // item_code 0: no magic item in this area
    std::array<int, kFigureCount> counts;
};

const std::vector<CatalogueEntry>& catalogue();

// The one bonus block of the fifteen maps that keeps an overlay: a used-block picture (code 8)
// drawn over it, which the game animates with the block as frames 8, 9 and 10. It is neither a
// fake overlay nor a block content.
struct OverlayBlock {
    int level, area, col, row;
};
const OverlayBlock& overlay_block();
inline bool is_overlay_block(int tile1, int tile2) {
    return tile1 == 5 && tile2 == 8;
}
const char* figure_name(Figure f);
std::array<int, kFigureCount> count_figures(const MapGrid& grid);

// Columns 0..15 of map 1.1, as tile1 and tile2 per cell.
struct FirstScreen {
    std::array<std::array<int, 16>, kRows> tile1, tile2;
};
const FirstScreen& first_screen_1_1();

}  // namespace mapc
