// SPDX-License-Identifier: GPL-3.0-or-later
// A recorded game as the .vrp file holds it (docs/replay-format.md), and the reader that refuses
// a file it cannot play faithfully with one line saying why.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "options/assist.h"
#include "platform/backend.h"

// Raised only when a change of the game's rules makes old games play differently.
constexpr int kReplayRulesVersion = 1;
// The format this game writes, and the oldest format a file of it may be read as.
constexpr int kReplayFormat = 2;
constexpr int kReplayOldestReadable = 1;
constexpr int kStateChecksumFrames = 60;

struct ReplayRecord {
    int format = kReplayFormat;
    int oldest_readable = kReplayOldestReadable;
    std::string game_version;
    int rules = kReplayRulesVersion;
    uint64_t maps_hash = 0;
    std::string pack_id;
    int64_t date = 0;  // seconds since 1970, UTC
    int players = 1;
    int start_level = 1, start_area = 1;
    int reached_level = 1, reached_area = 1;
    // The game was started from the title menu (which waits for the jump button to be let go
    // before its first frame ends), not placed in an area by the runner.
    bool from_menu = false;
    int32_t scores[2] = {0, 0};
    bool new_top_score = false;
    int32_t top_score_at_start = 0;
    AssistSettings assist;
    int frames = 0;
    int32_t random_state = 0;  // the generator as the game began
    // The frames at which the hero in play stood in another area than the frame before, in
    // order (from format 2 on; an older file's are learnt as it plays).
    std::vector<int> area_starts;
    std::string start_records;
    std::string input;
    // The state's checksum after every 60th frame, then after the last frame.
    std::vector<uint32_t> checksums;
    // A walkthrough read as a replay: its script in place of the input reads, and no checksums
    // (null for a recorded game).
    std::shared_ptr<const std::vector<InputEvent>> walkthrough;
};

std::string encode_replay(const ReplayRecord& replay);

// True with the record when the bytes are a whole replay this game can play (the maps are
// checked by the player, against those in force); otherwise false and one line in `why`.
bool decode_replay(const std::string& bytes, ReplayRecord& replay, std::string& why);

// Reads and decodes a file, a recorded game's or a walkthrough's; a file that cannot be read
// says so in `why`.
bool read_replay_file(const std::string& path, ReplayRecord& replay, std::string& why);
// True when the bytes begin as every replay does (the file type's mark, VRPL), whatever follows.
bool begins_as_replay(const std::string& bytes);

// "1.1 to 2.3"
std::string replay_areas_text(const ReplayRecord& replay);
