// SPDX-License-Identifier: GPL-3.0-or-later
// The game's whole state as JSON with a stable key order, keys named as the game names them.
#pragma once

#include <string>
#include <vector>

// frame and millisecs head the object; sounds are the events since the previous dump.
std::string dump_state_json(int frame, int millisecs, const std::vector<std::string>& sounds);
