// SPDX-License-Identifier: GPL-3.0-or-later
// The pack a run of the game starts with: the folder given with --pack, or else the pack whose
// id the settings file keeps. A pack that cannot be played is refused with its messages on
// standard error, and the game goes on with its own areas; nothing of the player's is touched.
#pragma once

#include <string>

// `folder` from the command line ("" for none); `chosen_id` from the settings file. True when a
// pack is in force afterwards.
bool start_with_pack(const std::string& folder, const std::string& chosen_id);
