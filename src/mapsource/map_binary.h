// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled map file: 13448 bytes of little-endian 32-bit words, width and height first,
// then tile1 and tile2 of each cell in row-major order.
#pragma once

#include <string>
#include <vector>

#include "map_grid.h"

namespace mapc {

// The file's bytes for a grid, as the game loads them.
std::vector<unsigned char> map_bytes(const MapGrid& grid);
// The grid of a file's bytes; `label` names them in the MapError for a wrong size or header.
MapGrid grid_of_bytes(const std::vector<unsigned char>& bytes, const std::string& label);

void write_map(const std::string& path, const MapGrid& grid);
MapGrid read_map(const std::string& path);

}  // namespace mapc
