// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled map file: 13448 bytes of little-endian 32-bit words, width and height first,
// then tile1 and tile2 of each cell in row-major order.
#pragma once

#include <string>

#include "map_grid.h"

namespace mapc {

void write_map(const std::string& path, const MapGrid& grid);
MapGrid read_map(const std::string& path);

}  // namespace mapc
