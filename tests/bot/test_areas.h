// SPDX-License-Identifier: GPL-3.0-or-later
// Small areas for the bot's tests, written as map sources and compiled by the real compiler: a
// floor with the cauldron a few steps from the start, and one with a wide stretch of water
// after the start that no jump crosses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The source text of an area: stone floor on the bottom row, the start in column 2 and the
// cauldron standing on the floor in `cauldron_column`; columns [water_from, water_to) of the
// floor are water instead; `tokens` are "column,row" cells holding a loose token.
std::string area_source(int cauldron_column, int water_from = 0, int water_to = 0,
                        const std::vector<std::pair<int, int>>& tokens = {});

// The compiled map of a source (the compiler's error fails the test).
std::vector<uint8_t> compiled(const std::string& source);

// The cauldron five steps from the start (or in `cauldron_column`), a token on the way, and a
// token and a bonus block out of reach above it (column 4 row 1, column 5 row 3).
std::string winnable_source(int cauldron_column = 7);
// Fifty columns of water after the start, the cauldron far beyond.
std::string no_way_source(int cauldron_column = 130);
