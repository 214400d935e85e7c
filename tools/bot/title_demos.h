// SPDX-License-Identifier: GPL-3.0-or-later
// Proof of the attract-demo recordings through the title screen's own attract demo.
#pragma once

#include <vector>

struct DemoCheck {
    int recording = 0;
    int frames = 0;  // demo frames played
    bool ended_at_marker = false;
    bool died = false;
};

// From the live state at the title (after the logo), runs the real main loop through the
// title's first three attract demos and tells how each ended. The recordings must be readable.
std::vector<DemoCheck> watch_title_demos();
