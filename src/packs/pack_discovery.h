// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the level packs a player can choose: every folder in packs/ of the player's data
// folder, then in packs/ of the game's data folder (where the package installs the shipped
// ones), each checked. Two packs with one id: the first found is used, the other is listed as a
// duplicate, so a player's own copy wins over the shipped one.
#pragma once

#include <string>
#include <vector>

#include "packs/pack_check.h"

enum class PackStanding { kPlayable, kBroken, kDuplicate };

struct FoundPack {
    CheckedPack pack;
    PackStanding standing = PackStanding::kBroken;
    bool players_own = false;  // in the player's packs folder, not the game's
};

struct PackPlace {
    std::string folder;  // holds one folder per pack
    bool players_own = false;
};

// The player's folder (when there is one) and the game's.
std::vector<PackPlace> pack_places();
// The packs of the places, in order, each place's folders by name.
std::vector<FoundPack> find_packs_in(const std::vector<PackPlace>& places);
std::vector<FoundPack> find_packs();
// The first pack of that id that is not a duplicate; nullptr when there is none.
const FoundPack* pack_with_id(const std::vector<FoundPack>& packs, const std::string& id);
// packs/ of the game's data folder.
std::string game_packs_folder();
