// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own areas a player has reached in a game, kept in the player's data folder so that
// the replays list can offer each one's walkthrough. The file is text, a line naming it and
// then an area a line ("2.3"); a file that is missing or not whole in that form reads as none.
#pragma once

#include <set>
#include <string>

// Areas as level * 10 + area (11 .. 53).
using AreasReached = std::set<int>;

AreasReached read_areas_reached(const std::string& path);
// Adds the areas to those of the file and writes it whole in place of the old one (nothing is
// written when it has them all already). False when it cannot be written.
bool add_areas_reached(const std::string& path, const AreasReached& areas);

// The file's text and its reading; false (nothing read) for text not wholly in its form.
std::string areas_reached_text(const AreasReached& areas);
bool parse_areas_reached(const std::string& text, AreasReached& areas);
