// SPDX-License-Identifier: GPL-3.0-or-later
// The maps a new game plays: the chosen level pack's areas where it has them, the game's own
// elsewhere. Replays name them by a hash so that a replay plays only on the maps it was made on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The compiled map of level.area (1..5, 1..3) that a game started now plays.
std::vector<uint8_t> map_in_force(int level, int area);
// The chosen pack's id; "" for the game's own areas.
std::string pack_in_force_id();
// A hash of the fifteen maps in force, in area order.
uint64_t maps_in_force_hash();
