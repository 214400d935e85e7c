// SPDX-License-Identifier: GPL-3.0-or-later
// The replay a file manager hands the game as its last argument: a path as the desktop entry's
// %f expands it (absolute, with spaces), a name in capitals, a file known only by its first
// bytes; and the arguments that are no replay, which the options parser must still see.
#include "replay/replay_argument.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/sim_runner.h"

namespace {

using Args = std::vector<std::string>;

struct Taken {
    std::string replay;
    Args left;
};

Taken take(Args args) {
    Taken t;
    t.replay = take_replay_argument(args);
    t.left = args;
    return t;
}

}  // namespace

TEST(ReplayArgument, AFileManagersPathIsTakenWhole) {
    const std::string folder = scratch_folder("replay_argument") + "/My Replays/";
    ASSERT_EQ(run_program("mkdir -p '" + folder + "'"), 0);
    const std::string named = folder + "game of mine.vrp";
    const std::string bare = folder + "sent by a friend";
    write_text(named, "VRPL and the rest");
    write_text(bare, "VRPL and the rest");

    Taken t = take({"--window", named});
    EXPECT_EQ(t.replay, named);
    EXPECT_EQ(t.left, Args{"--window"});
    // Known by its first bytes, as the file type's magic knows it.
    t = take({bare});
    EXPECT_EQ(t.replay, bare);
    EXPECT_TRUE(t.left.empty());
    // Windows' names come in any case; a relative path becomes the absolute one.
    t = take({"OLD GAME.VRP"});
    ASSERT_FALSE(t.replay.empty());
    EXPECT_EQ(t.replay.front(), '/');
    EXPECT_EQ(t.replay.substr(t.replay.size() - 13), "/OLD GAME.VRP");
    // A named replay that is missing is still the replay asked for: playing it says why not.
    t = take({folder + "gone.vrp"});
    EXPECT_EQ(t.replay, folder + "gone.vrp");
}

TEST(ReplayArgument, OptionsAndTheirValuesAreLeftToTheParser) {
    const std::string folder = scratch_folder("replay_argument_values") + "/";
    const std::string replay_bytes = folder + "pack";
    const std::string text = folder + "notes.txt";
    write_text(replay_bytes, "VRPL");
    write_text(text, "not a replay");
    for (const Args& args :
         {Args{}, Args{"--window"}, Args{"--pack", replay_bytes}, Args{"--edit", folder, "1.2"},
          Args{text}, Args{""}, Args{folder}, Args{folder + "missing"}, Args{".vrp"}}) {
        const Taken t = take(args);
        EXPECT_EQ(t.replay, "") << (args.empty() ? "(none)" : args.back());
        EXPECT_EQ(t.left, args);
    }
}

TEST(ReplayArgument, TheGameChecksAReplayInAFolderWithSpaces) {
    const std::string folder = scratch_folder("replay_argument_run") + "/A Folder/";
    ASSERT_EQ(run_program("mkdir -p '" + folder + "'"), 0);
    const std::string file = folder + "my game.vrp";
    const std::string walk =
        std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/first-steps/1.1.txt";
    ASSERT_EQ(run_sim("--no-draw --pack " + std::string(VARNOTH_SOURCE_DIR) +
                      "/data/packs/first-steps --start 1.1 --input " + walk +
                      " --frames 120 --record '" + file + "'"),
              0);
    std::string out;
    EXPECT_EQ(
        run_program(std::string(VARNOTH_BINARY_DIR) + "/varnoth --validate '" + file + "'", &out),
        0)
        << out;
    EXPECT_EQ(out.rfind(file + ": ok, 120 frames", 0), 0u) << out;
}
