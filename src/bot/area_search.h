// SPDX-License-Identifier: GPL-3.0-or-later
// The whole of one check in this process: the area entered as varnoth-sim --start enters it, the
// bot's search within its branch budget, the winning run written as a replay and proved by
// playing it again, and the tokens and blocks the run never reached. Call boot_game first.
#pragma once

#include <functional>

#include "bot/area_check.h"
#include "bot/game_driver.h"

// The answer, and for the bot's report what the search and the proof saw on the way.
struct AreaCheckReport {
    AreaCheckResult result;
    std::vector<Move> moves;  // of the winning run, one per frame of play
    int deaths_avoided = 0;
    int setbacks = 0;
    int jumps = 0;         // of the winning run
    int power_losses = 0;  // of the winning run
};

// Progress arrives as a running result (outcome kRunning); returning false stops the check,
// which then ends as kCancelled.
AreaCheckReport check_area(const AreaCheckRequest& request,
                           const std::function<bool(const AreaCheckResult&)>& on_progress = {});

// "can be won: the bot reached the cauldron in 23 s of play" and its kin.
std::string won_message(int play_frames);
std::string no_way_message(long branches);
