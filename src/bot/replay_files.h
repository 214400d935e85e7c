// SPDX-License-Identifier: GPL-3.0-or-later
// What the bot hands on: a replay in varnoth-sim's input-script format with a header the
// replayers read, and an attract-demo recording.
#pragma once

#include <string>
#include <vector>

#include "bot/game_driver.h"

struct ReplayHeader {
    int level = 0;
    int area = 0;
    int frames = 0;  // the frame of varnoth-sim --start L.A at which the area is finished
};

// "# --start L.A --frames N", a "# proves: ..." line, then the events of moves, the first of
// which is frame first_frame.
std::string replay_text(const ReplayHeader& header, const std::string& note, int first_frame,
                        const std::vector<Move>& moves);

// The note of a replay that wins level.area from its start.
std::string replay_note(int level, int area);

// Writes the bytes whole to a scratch file beside `path` and renames it over `path`, so that a
// failed write never leaves half a file in place of a good one. False when it cannot.
bool write_whole_file(const std::string& path, const std::string& bytes);

// Reads the header line back; false when the text does not start with one.
bool read_replay_header(const std::string& text, ReplayHeader& header);

// The 1000 records of a recording: the fixed first record, one per move, then end markers (the
// first of them ends the demo). False when the file cannot be written.
bool write_recording(const std::string& path, const std::vector<Move>& moves);
