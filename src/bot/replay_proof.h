// SPDX-License-Identifier: GPL-3.0-or-later
// Proof of a replay in this process, the way varnoth-sim --no-draw --start L.A --input REPLAY
// plays it: from the start-up state, its script queued whole, the main loop run frame by frame.
#pragma once

#include <string>

struct ReplayProof {
    bool ok = false;
    std::string why;  // what went wrong, when not ok
    int jumps = 0;
    int power_losses = 0;
};

// Plays the replay's text from booted_state() to the frame its header names and checks the
// area is finished there: state 4, three lives, no death sound, and in a third area game.item 1.
ReplayProof prove_replay(const std::string& replay);
