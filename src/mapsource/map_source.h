// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the editable map sources: the legend that maps characters to codes, and a source file
// of two 12-row layers (tile1, tile2) of 140 characters each.
#pragma once

#include <array>
#include <string>

#include "map_grid.h"

namespace mapc {

// Code of each character per layer; -1 where the character is not in the legend.
struct Legend {
    std::array<int, 256> tile1;
    std::array<int, 256> tile2;
    Legend() {
        tile1.fill(-1);
        tile2.fill(-1);
    }
};

Legend load_legend(const std::string& path);
MapGrid parse_source(const std::string& path, const Legend& legend);

}  // namespace mapc
