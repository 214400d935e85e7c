// SPDX-License-Identifier: GPL-3.0-or-later
// Proof of the bot's output through the real game: a replay through varnoth-sim itself, the
// recordings through the title screen's own attract demo.
#pragma once

#include <string>
#include <vector>

#include "replay_files.h"

struct ReplayCheck {
    bool ok = false;
    std::string why;  // what went wrong, when not ok
    int jumps = 0;
    int power_losses = 0;
};

// Runs `sim --no-draw --start L.A --input replay --dump N:...` and checks the area is finished
// at frame N: state 4, no life lost, no death sound, and in a third area game.item 1.
ReplayCheck check_replay_with_sim(const std::string& sim, const std::string& replay_path,
                                  const ReplayHeader& header);

struct DemoCheck {
    int recording = 0;
    int frames = 0;  // demo frames played
    bool ended_at_marker = false;
    bool died = false;
};

// From the live state at the title (after the logo), runs the real main loop through the
// title's first three attract demos and tells how each ended. The recordings must be readable.
std::vector<DemoCheck> watch_title_demos();
