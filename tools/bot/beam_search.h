// SPDX-License-Identifier: GPL-3.0-or-later
// The bot's search: a beam of whole-game copies, each grown by short held moves, scored by the
// area's goal; copies whose hero dies are dropped, and when every copy is lost the search goes
// back to an earlier beam and widens it.
#pragma once

#include <vector>

#include "area_goal.h"
#include "game_driver.h"

struct SearchSettings {
    int beam = 48;            // copies kept after each step
    int max_beam = 768;       // widest beam after repeated losses
    int segment = 4;          // frames a move is held
    int frame_limit = 12000;  // area: give up after this many play frames; demo: frames to play
    double seconds = 110.0;   // give up after this long
    bool verbose = false;     // tell on stderr where the beam was lost
};

struct SearchResult {
    bool solved = false;
    std::vector<Move> moves;  // one per frame of play, from the search's first frame
    int deaths_avoided = 0;   // branches dropped because the hero died
    int setbacks = 0;         // times the whole beam was lost and the search went back
    long frames_simulated = 0;
    double seconds = 0;
};

// Searches from the live state (just after enter_area or enter_demo). In an area it ends when
// the hero finishes it; in a demo when settings.frame_limit frames have been played alive.
SearchResult beam_search(PlayMode mode, const AreaGoal& goal, const SearchSettings& settings);
