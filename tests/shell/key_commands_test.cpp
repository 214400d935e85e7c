// SPDX-License-Identifier: GPL-3.0-or-later
// F1, F2, F3 and the pause: what each changes, when each is swallowed, and how a pause is
// entered, left and ended by a close request.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "shell/globals.h"
#include "shell_helpers.h"
#include "support/test_game.h"

using shell_test::count_of;
using shell_test::script;
using shell_test::tap_at;

namespace {
void press_now(const std::string& control) {
    InputEvent e;
    e.action = InputAction::kTap;
    e.control = control;
    HeadlessApply(e);
}
}  // namespace

TEST(KeyCommands, F1ShowsASecondOfBlackAndReturnsToTheTitle) {
    fresh_game();
    enter_area(2, 1);
    game.curplayer = 1;
    game.scmx = -300;
    game.scmy = 214;
    demo_playing = 1;
    demo_pos = 321;
    demo_next = 3;
    const int start = FrameNumber();
    const int clock = MilliSecs();
    // The level is on the back buffer when F1 comes; the picture shown must be black.
    for (map_tag& c : map_cells) c.update(0);
    game_tag::display();
    int lit = -1;
    SetFlipHook([&](int) {
        std::vector<uint8_t> rgb;
        ReadBackBuffer(rgb);
        lit = static_cast<int>(
            std::count_if(rgb.begin(), rgb.end(), [](uint8_t v) { return v != 0; }));
    });
    press_now("f1");
    game_tag::key_inputs();
    SetFlipHook(nullptr);
    EXPECT_EQ(lit, 0);
    EXPECT_EQ(game.state, game_tag::kTitle);
    EXPECT_EQ(FrameNumber(), start + 1);
    EXPECT_GE(MilliSecs() - clock, 1000);
    EXPECT_EQ(game.curplayer, 0);
    EXPECT_EQ(game.scmx, 640);
    EXPECT_EQ(game.scmy, 200);
    EXPECT_EQ(demo_playing, 0);
    EXPECT_EQ(demo_pos, 0);
    EXPECT_EQ(demo_next, 1);
}

TEST(KeyCommands, F2TogglesEffectsExceptDuringTheDemoWhereItIsSwallowed) {
    fresh_game();
    game.sound = 1;
    press_now("f2");
    game_tag::key_inputs();
    EXPECT_EQ(game.sound, 0);
    press_now("f2");
    game_tag::key_inputs();
    EXPECT_EQ(game.sound, 1);

    demo_playing = 1;
    press_now("f2");
    game_tag::key_inputs();
    EXPECT_EQ(game.sound, 1);
    demo_playing = 0;
    game_tag::key_inputs();
    EXPECT_EQ(game.sound, 1) << "the swallowed press does not act later";
}

TEST(KeyCommands, F3PausesAndResumesTheMusicWithoutRestartingIt) {
    fresh_game();
    sounds_played();
    game.music = 1;
    demo_playing = 1;  // works during the demo too
    press_now("f3");
    game_tag::key_inputs();
    EXPECT_EQ(game.music, 0);
    press_now("f3");
    game_tag::key_inputs();
    EXPECT_EQ(game.music, 1);
    const auto events = sounds_played();
    EXPECT_EQ(count_of(events, "pause music_channel"), 1);
    EXPECT_EQ(count_of(events, "resume music_channel"), 1);
    for (const std::string& e : events) EXPECT_EQ(e.find("play "), std::string::npos) << e;
}

TEST(KeyCommands, SpacePausesPlayUntilAFreshPress) {
    fresh_game();
    enter_area(1, 1);
    const int start = FrameNumber();
    tap_at(3, "space");
    press_now("space");
    game_tag::key_inputs();
    EXPECT_EQ(game.state, game_tag::kPlay);
    EXPECT_EQ(FrameNumber(), start + 1) << "the pause shows one picture and waits";
    // Had the press that paused also ended the pause, the later press would still be waiting.
    Flip(-1);
    Flip(-1);
    EXPECT_EQ(KeyHit(32), 0);

    // Joystick button 2 pauses as well, and button 0 ends it.
    tap_at(4, "joy0");
    press_now("joy2");
    game_tag::key_inputs();
    EXPECT_EQ(FrameNumber(), start + 4);
    EXPECT_EQ(game.state, game_tag::kPlay);
}

TEST(KeyCommands, SpaceDoesNotPauseOutsidePlayOrDuringTheDemo) {
    fresh_game();
    game.state = game_tag::kTitle;
    const int start = FrameNumber();
    press_now("space");
    game_tag::key_inputs();
    EXPECT_EQ(FrameNumber(), start);

    enter_area(1, 1);
    demo_playing = 1;
    press_now("space");
    game_tag::key_inputs();
    EXPECT_EQ(FrameNumber(), start);
    demo_playing = 0;
    game_tag::key_inputs();
    EXPECT_EQ(FrameNumber(), start) << "the press was used up";
}

TEST(KeyCommands, EscapeOrAClosedWindowDuringThePauseEndsTheGame) {
    for (const char* control : {"close", "escape"}) {
        fresh_game();
        enter_area(1, 1);
        tap_at(3, control);
        press_now("space");
        game_tag::key_inputs();
        EXPECT_EQ(game.state, game_tag::kQuit) << control;
    }
}

TEST(KeyCommands, TheMusicWaitsWhileThePausedGameIsSuspended) {
    fresh_game();
    enter_area(1, 1);
    game.music = 1;
    script({{3, "suspend"}, {4, "resume"}, {5, "space"}});
    press_now("space");
    game_tag::key_inputs();
    EXPECT_EQ(game.state, game_tag::kPlay);
    const auto events = sounds_played();
    EXPECT_EQ(count_of(events, "pause music_channel"), 1);
    EXPECT_EQ(count_of(events, "resume music_channel"), 1);
}
