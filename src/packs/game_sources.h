// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own map sources and legend, as the program carries them: an area a pack does not
// give yet starts as a copy of the game's own, and every pack is read against this legend.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "map_source.h"

// The source text of the game's own level.area (1..5, 1..3); "" for an area outside the game.
std::string game_area_source(int level, int area);
// The game's own compiled map of level.area, as the program embeds it; empty outside the game.
std::vector<uint8_t> game_area_map(int level, int area);
// The legend the game reads every source with.
const mapc::Legend& game_legend();
