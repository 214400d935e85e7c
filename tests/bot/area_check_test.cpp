// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's Check as the editor uses it: started, polled while it runs in a child process of
// the game program, cancelled; on a small area that can be won and on one that cannot.
#include "bot/area_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "bot/checked_map.h"
#include "bot/replay_files.h"
#include "replay/replay_file.h"
#include "shell/startup.h"
#include "sim/game_start.h"
#include "sim/input_script.h"
#include "support/test_game.h"
#include "test_areas.h"

namespace {

const std::string kGame = std::string(VARNOTH_BINARY_DIR) + "/varnoth";

AreaCheckRequest request_for(const std::string& source, int budget) {
    AreaCheckRequest r;
    r.level = 1;
    r.area = 1;
    r.compiled_map = compiled(source);
    r.branch_budget = budget;
    r.program = kGame;
    return r;
}

// Polls until the answer, as a screen would between frames; every result on the way is kept.
AreaCheckResult answer(AreaCheck& check, std::vector<AreaCheckResult>* seen = nullptr) {
    AreaCheckResult r = check.poll();
    while (r.outcome == AreaCheckResult::Outcome::kRunning) {
        if (seen) seen->push_back(r);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        r = check.poll();
    }
    return r;
}

// Plays a replay of level 1 area 1 on the given map in this test process, which started the game
// its own way: the replay's frames count from where this process's frames stand.
bool wins_here(const std::string& replay, const std::vector<uint8_t>& map) {
    ReplayHeader h;
    std::vector<InputEvent> events;
    ScriptError error;
    if (!read_replay_header(replay, h) || !parse_input_script(replay, events, error)) return false;
    fresh_game();
    const CheckedMap area(1, 1, map);
    const int offset = FrameNumber();
    for (InputEvent& e : events) e.frame += offset;
    begin_game_at(1, 1, 1);
    HeadlessQueueEvents(events);
    while (FrameNumber() < offset + h.frames && main_loop_frame()) {
    }
    const bool won = game.state == game_tag::kLevelEnd && hero().lives == 3;
    fresh_game();
    return won;
}

bool listed(const AreaCheckResult& r, int column, int row) {
    for (const AreaCheckCell& c : r.unreached)
        if (c.column == column && c.row == row) return true;
    return false;
}

}  // namespace

TEST(AreaCheck, AWinnableAreaIsWonWithAReplayAndTheSameAnswerTwice) {
    const AreaCheckRequest request = request_for(winnable_source(), 0);
    AreaCheck check;
    ASSERT_TRUE(check.start(request));
    // The caller's frame is never held up: the first poll finds the child still at work.
    EXPECT_EQ(check.poll().outcome, AreaCheckResult::Outcome::kRunning);
    const AreaCheckResult first = answer(check);
    ASSERT_EQ(first.outcome, AreaCheckResult::Outcome::kWon) << first.message;
    // "can be won: the bot reached the cauldron in N s of play", N the seconds of the run.
    const std::string won = "can be won: the bot reached the cauldron in ";
    EXPECT_EQ(first.message.rfind(won, 0), 0u) << first.message;
    EXPECT_EQ(first.message.substr(won.size()),
              std::to_string((first.play_frames + 30) / 60) + " s of play");
    EXPECT_FLOAT_EQ(first.progress, 1.0f);
    EXPECT_GT(first.branches, 0);
    // A walkthrough of the area, ending where the check says the cauldron was reached.
    ReplayHeader h;
    ASSERT_TRUE(read_replay_header(first.replay, h)) << first.replay.substr(0, 80);
    EXPECT_EQ(h.level, 1);
    EXPECT_EQ(h.area, 1);
    EXPECT_GT(first.play_frames, 0);
    EXPECT_LT(first.play_frames, 600);
    EXPECT_NE(first.replay.find("\n# proves: "), std::string::npos);
    EXPECT_TRUE(wins_here(first.replay, request.compiled_map));
    // The same run as a recorded game that any game can watch: begun where the runner begins
    // an area, its announcement and the play to the cauldron.
    ReplayRecord recorded;
    std::string why;
    ASSERT_TRUE(decode_replay(first.recording, recorded, why)) << why;
    EXPECT_EQ(recorded.start_level, 1);
    EXPECT_EQ(recorded.start_area, 1);
    EXPECT_FALSE(recorded.from_menu);
    EXPECT_GT(recorded.frames, first.play_frames);
    EXPECT_EQ(recorded.checksums.size(), static_cast<size_t>(recorded.frames / 60 + 1));
    // The token on the way was taken; the token and the block high above it never reached.
    EXPECT_FALSE(listed(first, 4, 10));
    EXPECT_TRUE(listed(first, 4, 1));
    EXPECT_TRUE(listed(first, 5, 3));
    EXPECT_EQ(first.unreached.size(), 2u);

    ASSERT_TRUE(check.start(request));
    const AreaCheckResult second = answer(check);
    EXPECT_EQ(second.outcome, first.outcome);
    EXPECT_EQ(second.message, first.message);
    EXPECT_EQ(second.branches, first.branches);
    EXPECT_EQ(second.replay, first.replay);
    ReplayRecord again;
    ASSERT_TRUE(decode_replay(second.recording, again, why)) << why;
    EXPECT_EQ(again.input, recorded.input);
    EXPECT_EQ(again.checksums, recorded.checksums);
}

TEST(AreaCheck, WaterNoJumpCrossesHasNoWayWithinTheBudget) {
    constexpr int kBudget = 2000;
    AreaCheck check;
    ASSERT_TRUE(check.start(request_for(no_way_source(), kBudget)));
    std::vector<AreaCheckResult> seen;
    const AreaCheckResult r = answer(check, &seen);
    ASSERT_EQ(r.outcome, AreaCheckResult::Outcome::kNoWay) << r.message;
    EXPECT_LE(r.branches, kBudget);
    EXPECT_EQ(r.message,
              "no way to the cauldron found in " + std::to_string(r.branches) + " branches");
    EXPECT_TRUE(r.replay.empty());
    EXPECT_TRUE(r.recording.empty());
    EXPECT_LT(r.progress, 0.5f);  // the best run never got far past the water's edge
    // Progress only ever grows while the search runs.
    float last = 0;
    for (const AreaCheckResult& p : seen) {
        EXPECT_GE(p.progress, last);
        EXPECT_LE(p.progress, 1.0f);
        last = p.progress;
    }
}

TEST(AreaCheck, CancellingEndsTheCheckAtOnceAndAnotherCanStart) {
    AreaCheck check;
    ASSERT_TRUE(check.start(request_for(no_way_source(), 1000000)));
    // Cancelled while it is still reading its request.
    check.cancel();
    AreaCheckResult r = check.poll();
    EXPECT_EQ(r.outcome, AreaCheckResult::Outcome::kCancelled);
    EXPECT_EQ(r.message, "the check was cancelled");

    // Cancelled in the middle of its search, once it has told of some progress.
    ASSERT_TRUE(check.start(request_for(no_way_source(), 1000000)));
    do {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        r = check.poll();
    } while (r.outcome == AreaCheckResult::Outcome::kRunning && r.branches == 0);
    ASSERT_EQ(r.outcome, AreaCheckResult::Outcome::kRunning);
    check.cancel();
    EXPECT_EQ(check.poll().outcome, AreaCheckResult::Outcome::kCancelled);
    check.cancel();  // nothing runs: nothing happens
    EXPECT_EQ(check.poll().outcome, AreaCheckResult::Outcome::kCancelled);

    // The same object checks again, and a check left running goes with its object.
    ASSERT_TRUE(check.start(request_for(no_way_source(), 300)));
    EXPECT_EQ(answer(check).outcome, AreaCheckResult::Outcome::kNoWay);
    AreaCheck abandoned;
    ASSERT_TRUE(abandoned.start(request_for(no_way_source(), 1000000)));
}

TEST(AreaCheck, AChildThatCannotStartOrFailsGivesAFailureNotAHang) {
    AreaCheck check;
    EXPECT_EQ(check.poll().outcome, AreaCheckResult::Outcome::kCancelled);  // none started

    AreaCheckRequest r = request_for(no_way_source(), 100);
    r.program = std::string(VARNOTH_BINARY_DIR) + "/no-such-program";
    EXPECT_FALSE(check.start(r));
    EXPECT_EQ(check.poll().outcome, AreaCheckResult::Outcome::kFailed);
    EXPECT_NE(check.poll().message.find("cannot start"), std::string::npos) << check.poll().message;

    // A program that is no check: it ends at once without an answer.
    r.program = std::string(VARNOTH_BINARY_DIR) + "/tools/mapc/varnoth-mapc";
    ASSERT_TRUE(check.start(r));
    AreaCheckResult a = answer(check);
    EXPECT_EQ(a.outcome, AreaCheckResult::Outcome::kFailed);
    EXPECT_EQ(a.message, "the check stopped without an answer (exit status 2)");

    // The game refuses a map that is not a compiled area, and says why.
    r.program = kGame;
    r.compiled_map.resize(100);
    ASSERT_TRUE(check.start(r));
    a = answer(check);
    EXPECT_EQ(a.outcome, AreaCheckResult::Outcome::kFailed);
    EXPECT_EQ(a.message, "the map is not a compiled area (100 bytes, not 13448)");

    r.compiled_map.clear();
    r.level = 6;
    ASSERT_TRUE(check.start(r));
    EXPECT_EQ(answer(check).message, "no area 6.1");
}
