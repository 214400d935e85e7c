// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the finished OGG files against what the game expects of them: all 26 present,
// decodable, 44.1 kHz, of the right length, below -1 dBFS, levelled, and the music looping.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "levels.hpp"
#include "pcm.hpp"

namespace sfxgen {

struct Expectation {
    std::string name;
    double min_seconds;
    double max_seconds;
    bool loop;
};

// The 26 sounds of the game in loading order, music first.
const std::vector<Expectation>& expected_sounds();

inline constexpr double kPeakLimitDb = -1.0;

// Problems found in one decoded file; empty when it passes.
std::vector<std::string> check_pcm(const Expectation& expect, const Pcm& pcm);

// Checks every expected file of the folder and the levels between them; prints one line per
// file and returns the number of problems.
int check_directory(const std::string& dir, std::ostream& out);

}  // namespace sfxgen
