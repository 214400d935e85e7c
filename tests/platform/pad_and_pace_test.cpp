// SPDX-License-Identifier: GPL-3.0-or-later
// The pad through its bindings and the pace of the frames: a button moved to another control,
// several buttons on one control, the volumes that leave what a run records alone, and the
// slower schedule of the assist's game speed.
#include <gtest/gtest.h>

#include "platform/internal.h"
#include "platform/pacing.h"
#include "platform/player_choices.h"
#include "support/test_game.h"

namespace {
void pad(const std::string& button, InputAction action) {
    InputEvent e;
    e.control = "pad:" + button;
    e.action = action;
    HeadlessApply(e);
}
}  // namespace

TEST(PadBindings, ButtonsAnswerForTheControlsTheyAreBoundTo) {
    fresh_game();
    // The defaults: A jumps, B and the right shoulder turbo, X pauses, Back opens the options.
    for (auto [button, game_button] : std::vector<std::pair<std::string, int>>{
             {"a", 0}, {"b", 1}, {"rightshoulder", 1}, {"x", 2}, {"back", kOptionsJoyButton}}) {
        while (JoyHit(game_button, 0)) {
        }
        pad(button, InputAction::kTap);
        EXPECT_EQ(JoyHit(game_button, 0), 1) << button;
    }
    pad("y", InputAction::kTap);  // bound to nothing
    for (int b = 0; b <= kOptionsJoyButton; ++b) EXPECT_EQ(JoyHit(b, 0), 0) << b;

    // Two buttons on one control: it is held while either is.
    pad("b", InputAction::kPress);
    pad("rightshoulder", InputAction::kPress);
    pad("b", InputAction::kRelease);
    EXPECT_EQ(JoyDown(1, 0), 1);
    pad("rightshoulder", InputAction::kRelease);
    EXPECT_EQ(JoyDown(1, 0), 0);
    while (JoyHit(1, 0)) {
    }

    // Moved: Y jumps and A no longer does.
    Settings s;
    s.pad[static_cast<size_t>(PadControl::kJump)] = "y";
    ApplySettings(s);
    pad("a", InputAction::kTap);
    EXPECT_EQ(JoyHit(0, 0), 0);
    pad("y", InputAction::kTap);
    EXPECT_EQ(JoyHit(0, 0), 1);
    EXPECT_EQ(TakePadPress(), "y") << "the last button pressed, for binding";
    EXPECT_EQ(TakePadPress(), "");
    ApplySettings(Settings{});
}

TEST(PadBindings, VolumesChangeWhatIsHeardNotWhatTheGameAsked) {
    fresh_game();
    Settings quiet;
    quiet.music_volume = 30;
    quiet.effects_volume = 0;
    ApplySettings(quiet);
    TakeSoundEvents();
    SetChannelVolume(music_channel, 0.4f);
    PlaySound(snd_jump, nullptr);
    EXPECT_EQ(TakeSoundEvents(),
              (std::vector<std::string>{"volume music_channel 0.40", "snd_jump"}));
    ApplySettings(Settings{});
}

TEST(FramePace, TheAssistsSpeedStretchesTheScheduleAndTheDesignedOneIsUntouched) {
    const FrameSchedule designed = PacedSchedule(60, 100);
    EXPECT_EQ(designed.rate, 60);
    EXPECT_EQ(designed.period, 16);
    EXPECT_EQ(designed.remainder, 40);
    const FrameSchedule half = PacedSchedule(60, 50);
    EXPECT_EQ(half.rate, 30);
    EXPECT_EQ(half.period * half.rate + half.remainder, 1000);
    EXPECT_EQ(PacedSchedule(60, 20).rate, 30) << "never below half speed";
    EXPECT_EQ(PacedSchedule(60, 70).rate, 42);

    fresh_game();
    const auto frames_take = [](int n) {
        Flip(-1);
        const int start = MilliSecs();
        for (int i = 0; i < n; ++i) Flip(-1);
        return MilliSecs() - start;
    };
    EXPECT_EQ(frames_take(300), 5000);
    SetFramePace(50);
    EXPECT_EQ(frames_take(300), 10000);
    SetFramePace(100);
    // Asking for the pace already in force changes nothing, not even where the spare
    // milliseconds of the second fall: a game start asks for it every time.
    frames_take(7);
    const plat::SavedClock before = plat::clock_save();
    SetFramePace(100);
    EXPECT_EQ(plat::clock_save().accumulator, before.accumulator);
    EXPECT_EQ(FramePace(), 100);
}
