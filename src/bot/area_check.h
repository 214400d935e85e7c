// SPDX-License-Identifier: GPL-3.0-or-later
// Whether an area can be won: the bot plays it on its own copy of the game, away from the
// caller's frames, so that a screen can go on drawing at 60 frames a second while it searches.
// Its budget counts branches, not seconds, so the answer is the same on a slow or busy machine.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct AreaCheckRequest {
    int level = 1;  // 1..5
    int area = 1;   // 1..3
    // The area's compiled map, as the game loads it; empty: the game's own map of level.area.
    std::vector<uint8_t> compiled_map;
    int branch_budget = 0;  // 0: the bot's default budget
    // The program that runs the check: the game program, started again with an internal
    // option. Empty: this program, which must be the game or the headless runner (tests and
    // tools that are neither name one of them here).
    std::string program;
};

struct AreaCheckCell {
    int column = 0;
    int row = 0;
};

struct AreaCheckResult {
    enum class Outcome { kRunning, kWon, kNoWay, kCancelled, kFailed };
    Outcome outcome = Outcome::kRunning;
    int branches = 0;     // branches explored so far
    float progress = 0;   // 0..1, of the budget or of the way to the cauldron, whichever is ahead
    int play_frames = 0;  // kWon: frames of play from the start to the cauldron
    std::string replay;   // kWon: the winning run, in the walkthroughs' format
    // kWon: the same run as a recorded game (a .vrp file's bytes), which the game that asked
    // can watch from wherever it is. Made by the check's child process (check_area alone
    // leaves it empty); empty too when the run could not be recorded.
    std::string recording;
    // Cells holding tokens and blocks that the winning run (or the best run) never reached.
    std::vector<AreaCheckCell> unreached;
    // One line for the player: "can be won: the bot reached the cauldron in 23 s of play",
    // "no way to the cauldron found in N branches", or what went wrong.
    std::string message;
};

class AreaCheck {
  public:
    AreaCheck();
    ~AreaCheck();  // cancels a check still running
    AreaCheck(const AreaCheck&) = delete;
    AreaCheck& operator=(const AreaCheck&) = delete;

    // Starts a check (cancelling one still running); false (with the reason in poll().message,
    // outcome kFailed) when it cannot start.
    bool start(const AreaCheckRequest& request);
    // Never blocks: the result so far, final once outcome is no longer kRunning (kCancelled
    // before the first start).
    AreaCheckResult poll();
    // Ends a running check at once (outcome kCancelled); nothing when none runs.
    void cancel();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
