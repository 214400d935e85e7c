// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files: where the top score is kept, screenshots, and a key binding that moves
// the jump to another key.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "platform/internal.h"
#include "platform/screenshot.h"
#include "platform/user_paths.h"
#include "support/sim_runner.h"
#include "support/test_game.h"

namespace {

// Sets an environment variable for one test and puts the old value back afterwards.
struct EnvFor {
    std::string name;
    bool had;
    std::string old;
    EnvFor(const char* n, const char* value) : name(n), had(std::getenv(n) != nullptr) {
        if (had) old = std::getenv(n);
        if (value)
            setenv(n, value, 1);
        else
            unsetenv(n);
    }
    ~EnvFor() {
        if (had)
            setenv(name.c_str(), old.c_str(), 1);
        else
            unsetenv(name.c_str());
    }
};
}  // namespace

TEST(TopScorePlace, BesideTheProgramWhenWritableElseInTheUsersDataFolder) {
    const std::string dir = scratch_folder("top_score");
    const std::string program_data = dir + "/data";
    mkdir(program_data.c_str(), 0755);
    EnvFor data_home("XDG_DATA_HOME", (dir + "/share").c_str());

    EXPECT_EQ(ChooseTopScorePath("data\\hiscore.dat", program_data, FolderWritable, UserDataFolder),
              "data\\hiscore.dat");
    // A folder no one may write in, not even root: the user's data folder is made and used.
    EXPECT_FALSE(FolderWritable("/proc"));
    EXPECT_EQ(ChooseTopScorePath("data\\hiscore.dat", "/proc", FolderWritable, UserDataFolder),
              dir + "/share/varnoth/hiscore.dat");
    struct stat st;
    EXPECT_EQ(stat((dir + "/share/varnoth").c_str(), &st), 0);
    // A missing program folder is not writable either.
    EXPECT_FALSE(FolderWritable(dir + "/missing"));
    // The probe leaves nothing behind.
    EXPECT_EQ(std::system(("test -z \"$(ls -A " + program_data + ")\"").c_str()), 0);
}

TEST(TopScorePlace, NoHomeOrAFolderThatCannotBeMadeGivesNoFile) {
    EnvFor home("HOME", nullptr);
    {
        EnvFor data_home("XDG_DATA_HOME", nullptr);
        EXPECT_EQ(UserDataFolder(), "");
        EXPECT_EQ(ChooseTopScorePath("data\\hiscore.dat", "/proc", FolderWritable, UserDataFolder),
                  "");
    }
    EnvFor data_home("XDG_DATA_HOME", "/proc/varnoth-cannot-be-made");
    EXPECT_EQ(UserDataFolder(), "");
    EnvFor config_home("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(SettingsFilePath(), "");
}

TEST(TopScorePlace, SettingsFollowTheConfigurationFolder) {
    EnvFor home("HOME", "/home/player");
    {
        EnvFor config_home("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(SettingsFilePath(), "/home/player/.config/varnoth/varnoth.ini");
    }
    EnvFor config_home("XDG_CONFIG_HOME", "/srv/conf");
    EXPECT_EQ(SettingsFilePath(), "/srv/conf/varnoth/varnoth.ini");
}

TEST(TopScorePlace, EmptyOrRelativeXdgFoldersCountAsUnset) {
    const std::string dir = scratch_folder("xdg_empty");
    EnvFor home("HOME", dir.c_str());
    for (const char* value : {"", "relative/data", "./data"}) {
        EnvFor data_home("XDG_DATA_HOME", value);
        EnvFor config_home("XDG_CONFIG_HOME", value);
        EXPECT_EQ(UserDataFolder(), dir + "/.local/share/varnoth/") << "'" << value << "'";
        EXPECT_EQ(SettingsFilePath(), dir + "/.config/varnoth/varnoth.ini") << "'" << value << "'";
        EXPECT_EQ(ScreenshotsFolder(), dir + "/.local/share/varnoth/screenshots/");
        EXPECT_EQ(UserDataSubfolder("replays"), dir + "/.local/share/varnoth/replays/");
    }
    // Nothing was made at the root or beside the test.
    struct stat st;
    EXPECT_NE(stat("/varnoth", &st), 0);
    EXPECT_NE(stat("relative", &st), 0);
    // A relative home is no home.
    EnvFor relative_home("HOME", "home");
    EnvFor data_home("XDG_DATA_HOME", "");
    EXPECT_EQ(UserDataFolder(), "");
}

TEST(Screenshot, TheGamesPictureIsWrittenAsA640By480PngWithASuffixForTheSameSecond) {
    fresh_game(true);
    Cls();
    SetColor(255, 0, 0);
    DrawRect(10, 20, 30, 40);
    SetColor(255, 255, 255);
    std::vector<uint8_t> rgb;
    ASSERT_TRUE(ReadBackBuffer(rgb));
    const std::string dir = scratch_folder("screenshots") + "/screenshots";  // made on the way
    const std::time_t when = 1700000000;
    const std::string first = SaveScreenshot(dir, rgb, when);
    const std::string second = SaveScreenshot(dir, rgb, when);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(second.substr(second.size() - 6), "-2.png");
    EXPECT_NE(first.find("/varnoth-20231114-"), std::string::npos) << first;

    std::vector<uint8_t> bytes;
    ASSERT_TRUE(plat::read_all(first, bytes));
    int w = 0, h = 0;
    std::vector<uint32_t> pixels;
    ASSERT_TRUE(plat::decode_png(bytes, w, h, pixels));
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_EQ(pixels[static_cast<size_t>(30) * 640 + 20] & 0xffffffu, 0x0000ffu);  // red
    EXPECT_EQ(pixels[0] & 0xffffffu, 0u);
    // A folder that cannot be made writes nothing and says so.
    EXPECT_EQ(SaveScreenshot("/proc/varnoth-shots", rgb, when), "");
}

TEST(KeyBinding, ABoundKeyJumpsAndTheOldKeyNoLongerDoes) {
    empty_area_in_play();
    Settings keys;
    keys.keys[static_cast<size_t>(BoundControl::kJump)] = "X";
    PlatformUseSettings(keys, keys, "");
    DeliverKey("Left Ctrl", true);
    EXPECT_EQ(KeyDown(162), 0);
    DeliverKey("Left Ctrl", false);
    DeliverKey("X", true);
    EXPECT_EQ(KeyDown(162), 1);
    play_frames(1);
    EXPECT_EQ(game.jump, 1);
    DeliverKey("X", false);
    EXPECT_EQ(KeyDown(162), 0);
    // Keys no control has moved to still answer for their own virtual key.
    DeliverKey("Right Ctrl", true);
    EXPECT_EQ(KeyDown(163), 1);
    DeliverKey("Right Ctrl", false);
    PlatformUseSettings(Settings{}, Settings{}, "");
}
