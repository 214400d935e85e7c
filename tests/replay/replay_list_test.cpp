// SPDX-License-Identifier: GPL-3.0-or-later
// The replays list on the title (the runner shows it with --replays DIR): a replay watched from
// it and left with Escape, one kept for good, one deleted after the second press; watching
// records nothing and the title gets its own scores back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "replay/byte_io.h"
#include "support/sim_runner.h"

namespace {

std::string temp(const std::string& name) {
    return ::testing::TempDir() + "varnoth_list_" + std::to_string(getpid()) + "_" + name;
}

// The file as format 1 wrote it: its header without the areas' marks, which are then learnt as
// it plays (the extra header bytes are skipped as a reader of format 1 skips them).
void make_format_one(const std::string& path) {
    std::string bytes = slurp(path);
    ASSERT_GT(bytes.size(), 8u);
    bytes[4] = 1, bytes[6] = 1;
    ByteWriter crc;
    crc.u32(crc32_of(bytes, 0, bytes.size() - 4));
    bytes.replace(bytes.size() - 4, 4, crc.out());
    write_text(path, bytes);
}

}  // namespace

TEST(ReplayList, WatchKeepAndDeleteFromTheTitle) {
    const std::string folder = scratch_folder("replay_list") + "/";
    const std::string made = temp("made.vrp");
    const std::string walk = std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/1.1.txt";
    ASSERT_EQ(run_sim("--no-draw --start 1.1 --input " + walk + " --frames 300 --record " + made),
              0);
    const std::string newest = "varnoth-20261210-093000.vrp";
    const std::string older = "varnoth-20261209-101500.vrp";
    const std::string broken = "varnoth-20261201-120000.vrp";
    write_text(folder + newest, slurp(made));
    write_text(folder + older, slurp(made));
    write_text(folder + broken, slurp(made).substr(0, 30));
    // Tab at the title; Return watches the newest; Escape leaves it for the list; down, K keeps
    // the older; down, Delete twice deletes the broken one; Escape goes back to the title.
    const std::string input = temp("list.txt");
    write_text(input,
               "120 tap key:Tab\n130 tap key:Return\n250 tap escape\n260 tap down\n"
               "262 tap key:K\n264 tap down\n266 tap key:Delete\n268 tap key:Delete\n"
               "280 tap escape\n");
    const std::string watching = temp("watching.json");
    const std::string after = temp("after.json");
    const std::string record = temp("never.vrp");
    std::string err;
    ASSERT_EQ(run_sim("--no-draw --replays " + folder + " --record " + record + " --input " +
                          input + " --frames 300 --dump 200:" + watching + " --dump 299:" + after,
                      &err),
              0)
        << err;
    const std::string during = slurp(watching);
    EXPECT_NE(during.find("\"game\":{\"state\":2,"), std::string::npos) << during.substr(0, 80);
    const std::string back = slurp(after);
    EXPECT_NE(back.find("\"game\":{\"state\":6,"), std::string::npos) << back.substr(0, 80);
    EXPECT_NE(back.find("\"player\":[{\"score\":0,"), std::string::npos)
        << "the title shows the player's own scores again";
    EXPECT_TRUE(std::filesystem::exists(folder + newest));
    EXPECT_TRUE(std::filesystem::exists(folder + "varnoth-20261209-101500-kept.vrp"));
    EXPECT_FALSE(std::filesystem::exists(folder + older));
    EXPECT_FALSE(std::filesystem::exists(folder + broken));
    EXPECT_FALSE(std::filesystem::exists(record)) << "watching records nothing";
}

TEST(ReplayList, PausingSteppingAndSlowingAWatchedReplayLeaveItsGameAlone) {
    const std::string folder = scratch_folder("replay_list_pause") + "/";
    const std::string walk = std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/1.1.txt";
    ASSERT_EQ(run_sim("--no-draw --start 1.1 --input " + walk + " --frames 900 --record " + folder +
                      "varnoth-20261210-093000.vrp"),
              0);
    // The same frame of the watched replay, once watched straight and once paused, stepped,
    // slowed and paused again on the way (a pause presents no frames).
    auto watched = [&](const std::string& name, const std::string& keys) {
        const std::string input = temp(name + ".txt");
        write_text(input, "120 tap key:Tab\n130 tap key:Return\n" + keys);
        const std::string dump = temp(name + ".json");
        EXPECT_EQ(run_sim("--no-draw --replays " + folder + " --input " + input +
                          " --frames 700 --dump 690:" + dump),
                  0);
        std::string state = slurp(dump);
        const size_t game = state.find("\"game\":");
        const size_t sounds = state.find(",\"sounds\":");
        return game == std::string::npos ? std::string() : state.substr(game, sounds - game);
    };
    const std::string straight = watched("straight", "");
    const std::string paused =
        watched("paused",
                "500 tap key:P\n501 tap key:N\n502 tap key:N\n503 tap key:S\n504 tap space\n"
                "520 tap space\n521 tap key:F\n522 tap key:P\n");
    ASSERT_NE(straight.find("\"state\":1,"), std::string::npos) << straight.substr(0, 60);
    EXPECT_TRUE(straight == paused) << "the paused watch parted from the straight one";
}

// Page Down plays on unseen to where the next area begins (the unseen frames count as presented
// ones, and each jump is given the time its unseen run takes); Page Up goes back to where the
// area began, and again to the one before; Page Down then seeks to the start it knows; the speeds
// from 1/4 to 8 show and sound less but play the same frames.
TEST(ReplayList, AreaJumpsAndSpeedsOfAWatchedReplay) {
    const std::string folder = scratch_folder("replay_list_areas") + "/";
    const std::string walk = std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/1.1.txt";
    const std::string file = folder + "varnoth-20261210-093000.vrp";
    ASSERT_EQ(run_sim("--no-draw --start 1.1 --input " + walk + " --frames 2400 --record " + file),
              0);
    const std::string recorded = slurp(file);
    make_format_one(file);
    auto watched = [&](const std::string& name, const std::string& keys,
                       const std::vector<int>& frames) {
        const std::string input = temp(name + ".txt");
        write_text(input, "120 tap key:Tab\n130 tap key:Return\n" + keys);
        std::string dumps;
        for (int f : frames)
            dumps += " --dump " + std::to_string(f) + ":" + temp(name) + "_" + std::to_string(f) +
                     ".json";
        EXPECT_EQ(run_sim("--no-draw --replays " + folder + " --input " + input + " --frames " +
                          std::to_string(frames.back() + 1) + dumps),
                  0);
        std::vector<std::string> states;
        for (int f : frames) {
            const std::string state = slurp(temp(name) + "_" + std::to_string(f) + ".json");
            const size_t player = state.find("\"player\":[{");
            states.push_back(player == std::string::npos ? std::string()
                                                         : state.substr(player, 200));
        }
        return states;
    };
    const std::vector<std::string> jumps =
        watched("jumps",
                "200 tap key:PageDown\n2200 tap key:PageUp\n2700 tap key:PageUp\n"
                "2800 tap key:PageDown\n",
                {199, 2100, 2750, 3300});
    EXPECT_NE(jumps[0].find("\"level\":1,\"area\":1,"), std::string::npos) << jumps[0];
    EXPECT_NE(jumps[1].find("\"level\":1,\"area\":2,"), std::string::npos) << jumps[1];
    EXPECT_NE(jumps[2].find("\"level\":1,\"area\":1,"), std::string::npos) << jumps[2];
    // The start of 1.2 is known by now: Page Down seeks straight to it.
    EXPECT_NE(jumps[3].find("\"level\":1,\"area\":2,"), std::string::npos) << jumps[3];
    // A file that has the areas' marks seeks to them (unseen as far as it was not played yet)
    // and lands where the learnt ones took it.
    write_text(file, recorded);
    const std::vector<std::string> marked =
        watched("marked",
                "200 tap key:PageDown\n2200 tap key:PageUp\n2700 tap key:PageUp\n"
                "2800 tap key:PageDown\n",
                {199, 2100, 2750, 3300});
    for (size_t i = 0; i < jumps.size(); ++i) {
        const size_t at = jumps[i].find("\"level\":");
        ASSERT_NE(at, std::string::npos);
        const std::string area = jumps[i].substr(at, jumps[i].find(",\"power\"") - at);
        EXPECT_NE(marked[i].find(area), std::string::npos) << marked[i] << " not at " << area;
    }

    const std::vector<std::string> straight = watched("straight", "", {700});
    const std::vector<std::string> speeds =
        watched("speeds",
                "300 tap key:S\n320 tap key:S\n340 tap key:F\n341 tap key:F\n342 tap key:F\n"
                "400 tap key:F\n401 tap key:F\n500 tap key:S\n501 tap key:S\n502 tap key:S\n",
                {700});
    ASSERT_FALSE(straight[0].empty());
    EXPECT_EQ(straight[0], speeds[0]) << "the speeds changed the game";
}
