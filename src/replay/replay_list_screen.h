// SPDX-License-Identifier: GPL-3.0-or-later
// The replays list that Tab opens on the title: the player's replays newest first, each with
// its date, players, areas reached, score, level pack, assist and marks for a top-score game and
// a kept one. Return, the jump key, a click or the pad's button plays one; K keeps it for good;
// Delete deletes it after a second press; Escape or Tab goes back to the title.
#pragma once

#include <string>

// The list's folder (the desktop's replays folder) and its title key and line part; nothing
// is added without a folder.
void add_replay_list(const std::string& folder);

// One replay played on the title's behalf, the title's scores and level pack put back after
// it. True when the window was closed meanwhile.
bool watch_replay(const std::string& path, std::string& why);
