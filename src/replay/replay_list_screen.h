// SPDX-License-Identifier: GPL-3.0-or-later
// The replays list that Tab opens on the title: the player's replays newest first, each with
// its date, players, areas reached, score, level pack, assist and marks for a top-score game and
// a kept one, then the walkthroughs of the areas the player has reached. Return, the jump key,
// the pad's jump button or a click on the row chosen plays one; K or the pad's pause button
// keeps it for good; Delete or the pad's options button deletes it after a second press; Escape,
// Tab or the pad's turbo button goes back to the title. The line of actions takes clicks too.
#pragma once

#include <string>

// The list's folder (the desktop's replays folder) and its title key and line part; nothing
// is added without a folder. Each area the areas file names (keep_areas_reached_in) has its
// walkthrough offered after the replays.
void add_replay_list(const std::string& folder, const std::string& areas_file = "");

// One replay played on the title's behalf, the title's scores and level pack put back after
// it. True when the window was closed meanwhile.
bool watch_replay(const std::string& path, std::string& why);
