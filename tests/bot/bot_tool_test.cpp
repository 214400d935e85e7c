// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-bot --pack DIR --area L.A [--out FILE]: a pack's area answered in one line, as the
// editor's Check answers it, with its exit status; never a hang.
#include <gtest/gtest.h>

#include <filesystem>

#include "bot/replay_files.h"
#include "support/sim_runner.h"
#include "test_areas.h"

namespace {

const std::string kBot = std::string(VARNOTH_BINARY_DIR) + "/varnoth-bot";

// A build of the game alone (VARNOTH_ONLY_TOOLS) has no bot to run.
bool have_bot() {
    return std::filesystem::exists(kBot);
}

// A pack as the game would play it: the checker's rules hold (the cauldron near the end), so the
// bot answers for the area and not for a broken pack.
constexpr int kCauldronNearTheEnd = 136;

std::string pack_with(const std::string& name, const std::string& source) {
    const std::string dir = scratch_folder("bot_pack_" + name);
    write_text(dir + "/pack.ini",
               "id = bot-test\ntitle = Bot test\nauthor = Tests\nlicence = CC0-1.0\n"
               "version = 1\ndescription = One area for the bot\n");
    write_text(dir + "/map1.1.txt", source);
    return dir;
}

}  // namespace

TEST(BotTool, APacksAreaIsWonAndItsReplayWritten) {
    if (!have_bot()) GTEST_SKIP() << "no " << kBot;
    const std::string dir = pack_with("win", winnable_source(kCauldronNearTheEnd));
    std::string out, err;
    ASSERT_EQ(
        run_program(kBot + " --pack " + dir + " --area 1.1 --out " + dir + "/won.txt", &out, &err),
        0)
        << out << err;
    EXPECT_EQ(out.rfind("can be won: the bot reached the cauldron in ", 0), 0u) << out;
    // The token on the way may be jumped over on a long run; the two out of reach never are.
    EXPECT_NE(out.find("never reached (column.row): 4.1 5.3"), std::string::npos) << out;
    ReplayHeader h;
    EXPECT_TRUE(read_replay_header(slurp(dir + "/won.txt"), h));
    EXPECT_EQ(h.area, 1);
}

TEST(BotTool, NoWaySaysSoInOneLineAndFailsAndBadInputIsNamed) {
    if (!have_bot()) GTEST_SKIP() << "no " << kBot;
    const std::string dir = pack_with("water", no_way_source(kCauldronNearTheEnd));
    std::string out, err;
    EXPECT_EQ(run_program(kBot + " --pack " + dir + " --area 1.1 --branches 1500 --out " + dir +
                              "/none.txt",
                          &out, &err),
              1);
    EXPECT_EQ(out, "no way to the cauldron found in 1500 branches\n");
    EXPECT_EQ(slurp(dir + "/none.txt"), "");  // nothing written for no way

    // A broken pack is refused with the checker's messages, as the game refuses it; an area
    // that does not compile is named by the compiler.
    std::remove((dir + "/pack.ini").c_str());
    EXPECT_EQ(run_program(kBot + " --pack " + dir + " --area 1.1", &out, &err), 1);
    EXPECT_NE(err.find(dir + "/pack.ini: missing"), std::string::npos) << err;
    write_text(dir + "/map1.1.txt", "tile1\n");
    EXPECT_EQ(run_program(kBot + " --pack " + dir + " --area 1.1", &out, &err), 1);
    EXPECT_NE(err.find(dir + "/map1.1.txt:2:1: layer tile1 has 0 rows"), std::string::npos) << err;

    EXPECT_EQ(run_program(kBot + " --pack " + dir, &out, &err), 2);
    EXPECT_EQ(run_program(kBot + " --pack " + dir + " --all --out-dir " + dir, &out, &err), 2);
    EXPECT_EQ(run_program(kBot + " --pack " + dir + " --area 1.1 --branches 0", &out, &err), 2);
}
