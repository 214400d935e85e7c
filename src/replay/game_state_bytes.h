// SPDX-License-Identifier: GPL-3.0-or-later
// What a replay keeps of the game's records: a checksum of the state that decides play, and the
// records as a game begins, to begin it again exactly so.
#pragma once

#include <cstdint>
#include <string>

// The players, monsters, object lists, map, the game's own record and the random generator;
// not the sound switches and not the top score, which a watcher may change freely.
uint32_t play_state_checksum();

// The records a new game starts from (the game's record but its sound switches and top score,
// both players, the fireball, the demo counters and the stick thresholds) as bytes, and back.
std::string start_records();
// False, changing nothing, when the bytes are not what start_records makes.
bool restore_start_records(const std::string& bytes);
