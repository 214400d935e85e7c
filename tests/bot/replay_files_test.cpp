// SPDX-License-Identifier: GPL-3.0-or-later
// The bot's replays are the runner's input scripts: the header its readers need, one event per
// change of the keys, and a file written whole or not at all.
#include "bot/replay_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "sim/input_script.h"
#include "support/sim_runner.h"

TEST(ReplayFiles, AReplayIsTheRunnersScriptWithItsHeader) {
    // Right from the first frame, a jump two frames later, then left, then nothing.
    const std::vector<Move> moves = {{2, false}, {2, false}, {2, true}, {1, false}, {0, false}};
    const std::string text = replay_text(ReplayHeader{3, 2, 304}, replay_note(3, 2), 300, moves);
    EXPECT_EQ(text,
              "# --start 3.2 --frames 304\n"
              "# proves: area 3.2 is won from its start without losing a life (found by "
              "varnoth-bot)\n"
              "300 press right\n"
              "302 tap jump\n"
              "303 release right\n"
              "303 press left\n"
              "304 release left\n");
    ReplayHeader h;
    ASSERT_TRUE(read_replay_header(text, h));
    EXPECT_EQ(h.level, 3);
    EXPECT_EQ(h.area, 2);
    EXPECT_EQ(h.frames, 304);
    std::vector<InputEvent> events;
    ScriptError error;
    EXPECT_TRUE(parse_input_script(text, events, error)) << error.message;
    EXPECT_EQ(events.size(), 5u);
    EXPECT_NE(replay_note(1, 3).find("the magic item taken on the way"), std::string::npos);

    for (const char* bad : {"", "# --start 6.1 --frames 10\n", "# --start 1.1 --frames 0\n",
                            "# --start 1.1 --frames 10", "300 press right\n"})
        EXPECT_FALSE(read_replay_header(bad, h)) << bad;
}

TEST(ReplayFiles, AFileIsWrittenWholeOrNotAtAll) {
    const std::string dir = scratch_folder("replay_files");
    const std::string path = dir + "/r.txt";
    ASSERT_TRUE(write_whole_file(path, "first"));
    ASSERT_TRUE(write_whole_file(path, "second"));
    EXPECT_EQ(slurp(path), "second");
    // Into a folder that is not there: refused, nothing left behind.
    EXPECT_FALSE(write_whole_file(dir + "/none/r.txt", "x"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/none"));
    // Over a folder: refused, the scratch file removed.
    std::filesystem::create_directory(dir + "/folder");
    EXPECT_FALSE(write_whole_file(dir + "/folder", "x"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/folder.part"));
}
