// SPDX-License-Identifier: GPL-3.0-or-later
// Frame pacing on the virtual clock, key and button hit counts, and the suspend handling.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_game.h"

TEST(Pacing, SixtyFramesTakeOneSecondAndSlowFramesDoNotBurst) {
    fresh_game();
    Flip(-1);
    int start = MilliSecs();
    for (int i = 0; i < 60; ++i) Flip(-1);
    EXPECT_EQ(MilliSecs() - start, 1000);

    // A slow frame: the next ones still take their full period each.
    Flip(-1);
    Delay(100);
    Flip(-1);
    int after_slow = MilliSecs();
    Flip(-1);
    int step = MilliSecs() - after_slow;
    EXPECT_GE(step, 16);
    EXPECT_LE(step, 17);
}

TEST(Input, HitsCountPressesUntilRead) {
    fresh_game();
    tap("space");
    tap("space");
    EXPECT_EQ(KeyHit(32), 2);
    EXPECT_EQ(KeyHit(32), 0);

    hold("jump");
    EXPECT_EQ(KeyDown(162), 1);
    hold("jump");  // still held: not a new press
    EXPECT_EQ(KeyHit(162), 1);
    FlushKeys();
    EXPECT_EQ(KeyDown(162), 0);
    release("jump");

    tap("mouse1");
    EXPECT_EQ(MouseHit(1), 1);
    InputEvent move;
    move.control = "mouse";
    move.x = 500;
    move.y = 170;
    HeadlessApply(move);
    EXPECT_EQ(MouseX(), 500);
    EXPECT_EQ(MouseY() / 160, 1);
    MoveMouse(320, 0);
    EXPECT_EQ(MouseX(), 320);

    // Full deflection reads exactly -1.0; the buttons count hits like keys.
    hold("joy-left");
    EXPECT_EQ(JoyX(0), -1.0f);
    release("joy-left");
    EXPECT_EQ(JoyX(0), 0.0f);
    tap("joy7");
    EXPECT_EQ(JoyHit(7, 0), 1);
    EXPECT_EQ(JoyHit(7, 0), 0);

    InputEvent close;
    close.control = "close";
    HeadlessApply(close);
    EXPECT_TRUE(AppTerminate());
    EXPECT_FALSE(AppTerminate()) << "the request is cleared once answered";
}

TEST(Suspend, MusicPausedOnlyWhenSwitchedOn) {
    for (int music : {1, 0}) {
        fresh_game();
        game.music = music;
        InputEvent suspend;
        suspend.control = "suspend";
        HeadlessApply(suspend);
        InputEvent resume;
        resume.control = "resume";
        resume.frame = FrameNumber() + 10;
        HeadlessQueueEvents({resume});
        suspend_handling();
        EXPECT_FALSE(AppSuspended());
        std::vector<std::string> s = sounds_played();
        bool paused = std::find(s.begin(), s.end(), "pause music_channel") != s.end();
        bool resumed = std::find(s.begin(), s.end(), "resume music_channel") != s.end();
        EXPECT_EQ(paused, music == 1);
        EXPECT_EQ(resumed, music == 1);
    }
}
