// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: reading good, bad and unknown lines, the round trip through a save, and a
// failed save that leaves the old file whole.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/pacing.h"
#include "platform/settings.h"
#include "support/sim_runner.h"

TEST(SettingsFile, ReadsEveryKeyAndWarnsOncePerBadLineKeepingTheRest) {
    std::vector<std::string> warnings;
    Settings s = ParseSettings(
        "# my keys\n"
        "fullscreen = no\n"
        "  scale=integer  \n"
        "vsync = off\n"
        "effects = off\n"
        "music = sideways\n"  // bad value: stays on
        "key_jump = X\n"
        "key_turbo = Not A Key\n"  // unknown key name: stays Left Alt
        "colour = green\n"         // unknown setting
        "just words\n"             // no '='
        "\n"
        "key_pause = Return\r\n",
        "varnoth.ini", warnings);
    EXPECT_FALSE(s.fullscreen);
    EXPECT_EQ(s.scale, ScaleMode::kInteger);
    EXPECT_EQ(s.vsync, VsyncMode::kOff);
    EXPECT_FALSE(s.effects);
    EXPECT_TRUE(s.music);
    EXPECT_EQ(s.keys[static_cast<size_t>(BoundControl::kJump)], "X");
    EXPECT_EQ(s.keys[static_cast<size_t>(BoundControl::kTurbo)], "Left Alt");
    EXPECT_EQ(s.keys[static_cast<size_t>(BoundControl::kPause)], "Return");
    ASSERT_EQ(warnings.size(), 4u);
    EXPECT_EQ(warnings[0].rfind("varnoth.ini:6: ", 0), 0u) << warnings[0];
    EXPECT_EQ(warnings[1].rfind("varnoth.ini:8: ", 0), 0u) << warnings[1];
    EXPECT_EQ(warnings[2].rfind("varnoth.ini:9: ", 0), 0u) << warnings[2];
    EXPECT_EQ(warnings[3].rfind("varnoth.ini:10: ", 0), 0u) << warnings[3];

    // Nothing (or a missing file) gives the defaults and no warning.
    warnings.clear();
    Settings none = LoadSettings("/nonexistent/varnoth.ini", warnings);
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(none.fullscreen);
    EXPECT_EQ(none.scale, ScaleMode::kFit);
    EXPECT_EQ(none.vsync, VsyncMode::kAuto);
    EXPECT_TRUE(none.effects && none.music);
    EXPECT_EQ(none.keys[static_cast<size_t>(BoundControl::kLeft)], "Left");
    EXPECT_EQ(none.keys[static_cast<size_t>(BoundControl::kJump)], "Left Ctrl");
}

TEST(SettingsFile, SaveAndLoadRoundTripAndAFailedSaveKeepsTheOldFile) {
    const std::string dir = scratch_folder("settings_save");
    // The folder (and its parents) are made on the first save.
    const std::string path = dir + "/config/varnoth/varnoth.ini";
    Settings s;
    s.fullscreen = false;
    s.scale = ScaleMode::kInteger;
    s.vsync = VsyncMode::kOn;
    s.music = false;
    s.keys[static_cast<size_t>(BoundControl::kTurbo)] = "Z";
    ASSERT_TRUE(SaveSettings(path, s));
    std::vector<std::string> warnings;
    Settings back = LoadSettings(path, warnings);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(FormatSettings(back), FormatSettings(s));
    EXPECT_FALSE(back.fullscreen);
    EXPECT_EQ(back.keys[static_cast<size_t>(BoundControl::kTurbo)], "Z");

    // The player's comments, order and unreadable lines survive a save; only values change.
    write_text(path, "# my own note\nmusic = on\ncolour = green\n\nfullscreen = yes\n");
    ASSERT_TRUE(SaveSettings(path, s));
    const std::string kept = slurp(path);
    EXPECT_EQ(kept.rfind("# my own note\nmusic = off\ncolour = green\n\nfullscreen = no\n", 0), 0u)
        << kept;
    warnings.clear();
    EXPECT_EQ(FormatSettings(LoadSettings(path, warnings)), FormatSettings(s));
    EXPECT_EQ(warnings.size(), 1u);  // the colour line, still unknown

    // A scratch file that cannot be made (its name is taken by a folder): the save fails, even
    // for root, and the old file is whole.
    const std::string before = slurp(path);
    ASSERT_EQ(mkdir((path + ".new").c_str(), 0755), 0);
    Settings other;
    EXPECT_FALSE(SaveSettings(path, other));
    EXPECT_EQ(slurp(path), before);
}

TEST(SettingsFile, VolumesPadButtonsAndAssistAreReadCheckedAndWrittenBack) {
    std::vector<std::string> warnings;
    Settings s = ParseSettings(
        "effects_volume = 30\n"
        "music_volume = 0\n"
        "pad_jump = y, 3\n"
        "pad_turbo = b   leftshoulder\n"
        "pad_pause = start\n"
        "pad_options = guide 11\n"
        "assist_speed = 70\n"
        "assist_invincible = yes\n"
        "assist_unlimited_lives = no\n"
        "effects_volume = 101\n"    // out of range: stays 30
        "music_volume = loud\n"     // not a number
        "pad_jump = a, fire\n"      // no such button: stays y 3
        "pad_pause =\n"             // no button at all
        "assist_speed = 40\n"       // below half speed
        "assist_invincible = on\n"  // yes or no only
        "pad_options = 123\n",      // three digits is no joystick button
        "v.ini", warnings);
    EXPECT_EQ(s.effects_volume, 30);
    EXPECT_EQ(s.music_volume, 0);
    EXPECT_EQ(s.pad[static_cast<size_t>(PadControl::kJump)], "y 3");
    EXPECT_EQ(s.pad[static_cast<size_t>(PadControl::kTurbo)], "b leftshoulder");
    EXPECT_EQ(s.pad[static_cast<size_t>(PadControl::kPause)], "start");
    EXPECT_EQ(s.pad[static_cast<size_t>(PadControl::kOptions)], "guide 11");
    EXPECT_EQ(s.assist_speed, 70);
    EXPECT_TRUE(s.assist_invincible);
    EXPECT_FALSE(s.assist_unlimited_lives);
    ASSERT_EQ(warnings.size(), 7u);
    for (size_t i = 0; i < warnings.size(); ++i)
        EXPECT_EQ(warnings[i].rfind("v.ini:" + std::to_string(10 + i) + ": ", 0), 0u)
            << warnings[i];
    EXPECT_NE(warnings[2].find("'fire'"), std::string::npos) << warnings[2];

    // The defaults keep the buttons the game always used, and read back unchanged.
    const Settings d;
    EXPECT_EQ(d.effects_volume, 100);
    EXPECT_EQ(d.music_volume, 100);
    EXPECT_EQ(d.pad[static_cast<size_t>(PadControl::kJump)], "a 0");
    EXPECT_EQ(d.pad[static_cast<size_t>(PadControl::kTurbo)], "b rightshoulder 1 7");
    EXPECT_EQ(d.assist_speed, 100);
    EXPECT_FALSE(d.assist_invincible || d.assist_unlimited_lives);
    warnings.clear();
    EXPECT_EQ(FormatSettings(ParseSettings(FormatSettings(s), "x", warnings)), FormatSettings(s));
    EXPECT_TRUE(warnings.empty());
    // A file written before these keys existed gains them at its end, its own lines kept.
    const std::string old = "# mine\nfullscreen = yes\nkey_pause = Space\n";
    const std::string grown = FormatSettings(s, old);
    EXPECT_EQ(grown.rfind(old, 0), 0u) << grown;
    EXPECT_NE(grown.find("\nassist_speed = 70\n"), std::string::npos) << grown;
    EXPECT_NE(grown.find("\npad_jump = y 3\n"), std::string::npos) << grown;
    // Every key is listed, with a comment, in a fresh file.
    const std::string fresh = FormatSettings(Settings{});
    for (const char* key :
         {"effects_volume = 100", "music_volume = 100", "pad_jump = a 0", "pad_options = back 5",
          "assist_speed = 100", "assist_invincible = no", "assist_unlimited_lives = no"})
        EXPECT_NE(fresh.find(std::string("\n") + key + "\n"), std::string::npos) << key;
}

TEST(SettingsFile, VsyncAutoOnlyOnSixtyHertzDisplays) {
    EXPECT_TRUE(UseVsync(VsyncMode::kAuto, 60.0));
    EXPECT_TRUE(UseVsync(VsyncMode::kAuto, 59.94));
    EXPECT_FALSE(UseVsync(VsyncMode::kAuto, 59.0));
    EXPECT_FALSE(UseVsync(VsyncMode::kAuto, 144.0));
    EXPECT_FALSE(UseVsync(VsyncMode::kAuto, 0.0));  // the display does not say
    EXPECT_TRUE(UseVsync(VsyncMode::kOn, 144.0));
    EXPECT_FALSE(UseVsync(VsyncMode::kOff, 60.0));
}

TEST(SettingsFile, AWriteCutShortByAFullDiskKeepsTheOldFileWhole) {
    const std::string dir = scratch_folder("settings_full");
    const std::string path = dir + "/varnoth.ini";
    write_text(path, "# mine\nfullscreen = no\n");
    const std::string before = slurp(path);
    // The child may grow no file past 16 bytes, as on a full disk: the new text is longer.
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // the write reports EFBIG instead of killing the child
        const rlimit limit{16, 16};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
        Settings s;
        s.music = false;
        _exit(SaveSettings(path, s) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save must report its failure";
    EXPECT_EQ(slurp(path), before);
    EXPECT_NE(access((path + ".new").c_str(), F_OK), 0) << "no half-written scratch file is left";
}
