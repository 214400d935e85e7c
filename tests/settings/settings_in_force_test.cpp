// SPDX-License-Identifier: GPL-3.0-or-later
// Settings changed while the game runs: in force at once, kept for the file, except what the
// command line chose for this run only; and the runner never writes a file.
#include <gtest/gtest.h>

#include "platform/internal.h"
#include "platform/player_choices.h"
#include "support/sim_runner.h"
#include "support/test_game.h"

TEST(SettingsInForce, ChangesHoldAtOnceAndTheCommandLinesChoiceStaysOutOfTheFile) {
    fresh_game();
    Settings file;  // full screen, as the player's file says
    Settings run = file;
    run.fullscreen = false;  // --window for this run
    PlatformUseSettings(run, file, "");

    Settings s = SettingsInForce();
    s.music_volume = 20;
    s.keys[static_cast<size_t>(BoundControl::kPause)] = "P";
    ApplySettings(s);
    EXPECT_EQ(SettingsInForce().music_volume, 20);
    EXPECT_FALSE(SettingsInForce().fullscreen);
    EXPECT_EQ(plat::config().saved.music_volume, 20);
    EXPECT_TRUE(plat::config().saved.fullscreen) << "--window holds for this run only";
    DeliverKey("P", true);
    EXPECT_EQ(KeyDown(32), 1) << "the new pause key works at once";
    DeliverKey("P", false);

    // Chosen on the screen, the window is the player's choice and is kept.
    s.fullscreen = true;
    ApplySettings(s);
    s.fullscreen = false;
    ApplySettings(s);
    EXPECT_FALSE(plat::config().saved.fullscreen);

    // A headless run keeps no file: saving is a success that writes nothing.
    const std::string path = scratch_folder("in_force") + "/varnoth.ini";
    PlatformUseSettings(s, s, path);
    EXPECT_TRUE(SaveSettingsNow());
    EXPECT_EQ(slurp(path), "");
    PlatformUseSettings(Settings{}, Settings{}, "");
}
