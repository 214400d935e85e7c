// SPDX-License-Identifier: GPL-3.0-or-later
// The game flow as a whole program: from the logo through the title to a quit, the top-score
// file on the way in and out, a missing demo file, F1 during play and a close during a pause.
// The runner's frame numbers: the logo presents frames 1..111, the title starts at frame 112.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/sim_runner.h"

namespace {

constexpr int kFirstTitleFrame = 112;

std::string temp(const std::string& name) {
    return ::testing::TempDir() + "varnoth_flow_" + name;
}

std::string script(const std::string& name, const std::string& lines) {
    const std::string path = temp(name + ".txt");
    write_text(path, lines);
    return path;
}

bool has(const std::string& dump, const std::string& text) {
    return dump.find(text) != std::string::npos;
}

std::string at(int frame) {
    return std::to_string(frame);
}

}  // namespace

TEST(GameFlowRun, QuitFromTheMenuAfterASkippedDemoSavesTheTopScore) {
    // A damaged two-byte file reads as 0; the recordings are missing, so the first demo is
    // skipped and the menu goes on; "Quit game" ends the run normally and writes the file.
    const std::string home = empty_home("quit");
    write_text(home + "/data/hiscore.dat", std::string("\x10\x27", 2));
    const int idle_end = kFirstTitleFrame + 199;  // the frame on which the demo would start
    const std::string input = script("quit", at(idle_end + 10) + " tap down\n" + at(idle_end + 11) +
                                                 " tap down\n" + at(idle_end + 13) + " tap jump\n");
    const std::string first = temp("quit_title.json");
    const std::string later = temp("quit_skipped.json");
    ASSERT_EQ(
        run_sim("--no-draw --data " + home + " --input " + input + " --frames 2000 --dump " +
                at(kFirstTitleFrame) + ":" + first + " --dump " + at(idle_end + 5) + ":" + later),
        0);
    const std::string title = slurp(first);
    EXPECT_TRUE(has(title, "\"state\":6,\"topscore\":0,")) << title.substr(0, 120);
    EXPECT_TRUE(has(title, "\"scmx\":638,")) << "the banner enters from the right";
    const std::string skipped = slurp(later);
    EXPECT_TRUE(has(skipped, "\"demo_playing\":0,\"demo_pos\":5,\"demo_next\":2"))
        << skipped.substr(skipped.find("\"demo_playing\""), 60);
    EXPECT_EQ(slurp(home + "/data/hiscore.dat"), std::string(4, '\0'));
}

TEST(GameFlowRun, F1DuringPlayShowsASecondOfBlackThenTheTitle) {
    const std::string home = empty_home("f1");
    const std::string input = script("f1", "400 tap f1\n420 tap escape\n");
    const std::string reset = temp("f1_reset.json");
    const std::string title = temp("f1_title.json");
    ASSERT_EQ(run_sim("--no-draw --start 1.1 --data " + home + " --input " + input +
                      " --frames 2000 --dump 399:" + reset + " --dump 401:" + title),
              0);
    const std::string before = slurp(reset);
    const std::string after = slurp(title);
    EXPECT_TRUE(has(before, "\"game\":{\"state\":1,")) << "F1 comes during play";
    EXPECT_TRUE(has(after, "\"game\":{\"state\":6,")) << after.substr(0, 80);
    EXPECT_TRUE(has(after, "\"scmx\":638,\"scmy\":200,")) << "the title's first frame";
    const int t0 = std::atoi(before.c_str() + before.find("\"millisecs\":") + 12);
    const int t1 = std::atoi(after.c_str() + after.find("\"millisecs\":") + 12);
    EXPECT_GE(t1 - t0, 1000) << "a second passes on the black picture";
    EXPECT_EQ(slurp(home + "/data/hiscore.dat").size(), 4u) << "Escape on the title ends it";
}

TEST(GameFlowRun, ClosingTheWindowDuringAPauseEndsTheRunNormally) {
    const std::string home = empty_home("pause");
    const std::string input = script("pause", "400 tap space\n405 tap close\n");
    // A pause that missed the close would wait for a press the script never gives, and the
    // runner would stop with status 3.
    ASSERT_EQ(
        run_sim("--no-draw --start 1.1 --data " + home + " --input " + input + " --frames 100000"),
        0);
    EXPECT_EQ(slurp(home + "/data/hiscore.dat").size(), 4u) << "the normal shut-down ran";
}

TEST(GameFlowRun, DamagedFilesAreNamedOrSkippedAndTheRunGoesOn) {
    // A cut-off sound and one with a single bad byte play nothing and are named once each on
    // standard error; a short recording is skipped, a short top-score file reads as 0.
    const std::string home = empty_home("damaged");
    std::system(
        ("cp " + std::string(VARNOTH_BINARY_DIR) + "/data/*.ogg " + home + "/data/").c_str());
    const std::string jump = slurp(home + "/data/jump.ogg");
    write_text(home + "/data/jump.ogg", jump.substr(0, jump.size() / 2));
    std::string boing = slurp(home + "/data/boing.ogg");
    boing[boing.size() / 2] = static_cast<char>(boing[boing.size() / 2] ^ 0x10);
    write_text(home + "/data/boing.ogg", boing);
    write_text(home + "/data/demodata.01", std::string(100, '\x01'));
    write_text(home + "/data/hiscore.dat", std::string("\x10\x27", 2));
    const int idle_end = kFirstTitleFrame + 199;
    const std::string dump = temp("damaged.json");
    std::string err;
    ASSERT_EQ(run_sim("--no-draw --data " + home + " --frames " + at(idle_end + 5) + " --dump " +
                          at(idle_end + 5) + ":" + dump,
                      &err),
              0);
    EXPECT_EQ(err, "varnoth: damaged sound file " + home +
                       "/data/boing.ogg (not a whole Ogg file), playing nothing\n"
                       "varnoth: damaged sound file " +
                       home + "/data/jump.ogg (not a whole Ogg file), playing nothing\n");
    const std::string state = slurp(dump);
    EXPECT_TRUE(has(state, "\"state\":6,\"topscore\":0,")) << state.substr(0, 120);
    EXPECT_TRUE(has(state, "\"demo_playing\":0,\"demo_pos\":5,\"demo_next\":2"));
}
