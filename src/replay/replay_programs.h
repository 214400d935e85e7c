// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's ways into replays: checking files headless (--validate), and playing
// one file given on the command line.
#pragma once

#include <string>
#include <vector>

#include "replay/replay_file.h"

// Each file read and played to its end headless, each in a process of its own (so one file's
// game can never disturb the next); one line a file on standard output. 0 when all are good.
int validate_replays(const std::vector<std::string>& files);

// The child's side: plays one file headless and prints its verdict. Its argument.
constexpr const char* kValidateOneArgument = "--validate-one";
int validate_one_replay(const std::string& path);

// Reads a replay and puts its maps in force (its level pack found among the player's and the
// game's); false with the reason when it cannot be played here.
bool prepare_replay(const std::string& path, ReplayRecord& replay, std::string& why);
