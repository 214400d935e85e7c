// SPDX-License-Identifier: GPL-3.0-or-later
// The player's replays folder: a game's file named by the time it ended
// (varnoth-YYYYMMDD-HHMMSS.vrp, "-top" before the dot when it set a new top score, "-kept" when
// the player keeps it for good), and only the newest 100 of the others kept.
#pragma once

#include <string>
#include <vector>

#include "replay/replay_file.h"

constexpr int kReplaysKept = 100;

// The file's name for a game that ended at `when` (seconds since 1970, local time).
std::string replay_file_name(long long when, bool new_top_score);

// Writes the replay into the folder (atomically) and removes the oldest ordinary replays beyond
// the newest 100. False, with the reason, when the folder cannot be written.
bool keep_in_replays_folder(const std::string& folder, const ReplayRecord& replay,
                            const std::string& bytes, std::string& why);

// The replays of the folder by name, newest first.
std::vector<std::string> replays_in_folder(const std::string& folder);
