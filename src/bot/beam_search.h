// SPDX-License-Identifier: GPL-3.0-or-later
// The bot's search: a beam of whole-game copies, each grown by short held moves, scored by the
// area's goal; copies whose hero dies are dropped, and when every copy is lost the search goes
// back to an earlier beam and widens it. Its budget counts branches, never seconds, so that it
// gives the same answer on a slow or a busy machine.
#pragma once

#include <functional>
#include <vector>

#include "bot/area_goal.h"
#include "bot/game_driver.h"

struct SearchProgress {
    long branches = 0;
    float way = 0;  // 0..1: how far the best copy has come from the start to the cauldron
};

struct SearchSettings {
    int beam = 48;            // copies kept after each step
    int max_beam = 768;       // widest beam after repeated losses
    int segment = 4;          // frames a move is held
    int frame_limit = 12000;  // area: give up after this many play frames; demo: frames to play
    long branch_budget = 0;   // give up after this many branches; 0: kDefaultBranchBudget
    bool verbose = false;     // tell on stderr where the beam was lost
    // Called every kProgressEvery branches; returning false stops the search.
    std::function<bool(const SearchProgress&)> on_progress;

    // The hardest shipped area (5.3) takes about 254,000 branches; the rest 92,000 to 132,000.
    static constexpr long kDefaultBranchBudget = 600000;
    static constexpr long kProgressEvery = 1000;
    long budget() const { return branch_budget > 0 ? branch_budget : kDefaultBranchBudget; }
};

struct SearchResult {
    bool solved = false;
    bool stopped = false;     // on_progress asked to stop
    std::vector<Move> moves;  // solved: one per frame of play, from the search's first frame
    // Not solved: the moves of the copy that came closest to the goal.
    std::vector<Move> best_moves;
    long branches = 0;       // held moves tried from a copy
    int deaths_avoided = 0;  // branches dropped because the hero died
    int setbacks = 0;        // times the whole beam was lost and the search went back
    long frames_simulated = 0;
    float way = 0;  // as SearchProgress::way, of the best copy
};

// Searches from the live state (just after start_area or enter_demo). In an area it ends when
// the hero finishes it; in a demo when settings.frame_limit frames have been played alive.
SearchResult beam_search(PlayMode mode, const AreaGoal& goal, const SearchSettings& settings);
