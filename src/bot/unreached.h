// SPDX-License-Identifier: GPL-3.0-or-later
// What an author wants to know beyond "can it be won": the tokens and the blocks with something
// in them that a run never reached, by column and row.
#pragma once

#include <vector>

#include "bot/area_check.h"
#include "bot/game_driver.h"

// Enters level.area from the start-up state, plays the moves with play_frame and lists the cells
// whose token is still there or whose block was never struck or opened, in map order.
std::vector<AreaCheckCell> unreached_cells(int level, int area, const std::vector<Move>& moves);
