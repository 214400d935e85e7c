// SPDX-License-Identifier: GPL-3.0-or-later
// The maps a new game plays: the chosen level pack's areas where it has them, the game's own
// elsewhere. Replays name them by a hash so that a replay plays only on the maps it was made on.
// The attract demo always plays the game's own maps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CheckedPack;

// The compiled map of level.area (1..5, 1..3) that a game started now plays.
std::vector<uint8_t> map_in_force(int level, int area);
// The chosen pack's id; "" for the game's own areas.
std::string pack_in_force_id();
// A hash of the fifteen maps in force, in area order.
uint64_t maps_in_force_hash();

// Puts a playable pack in force for the games started from now on, and its own top score with
// it; nullptr gives the game's own areas and top score back. False (nothing changed) for a pack
// that cannot be played.
bool set_pack_in_force(const CheckedPack* pack);
// The title of the pack in force; "" for the game's own areas.
std::string pack_in_force_title();
// The pack in force as it was checked; nullptr for the game's own areas.
const CheckedPack* pack_in_force();

// Plays `compiled` in level.area in place of what the pack or the game has there, until an
// empty map takes it back: a test play of an area being edited, a check of one area.
void override_area_in_force(int level, int area, std::vector<uint8_t> compiled);

// Sets the hooks through which the game loads the maps in force and keeps the top score of the
// pack in force. While nothing is put in force they give what the designed game has.
void install_pack_hooks();
