// SPDX-License-Identifier: GPL-3.0-or-later
// The headless runner as a program: its input scripts, frame numbering, dumps and shots, and
// that identical arguments give identical results with or without drawing.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "sim/input_script.h"
#include "support/sim_runner.h"

namespace {

std::string temp(const std::string& name) {
    return ::testing::TempDir() + "varnoth_sim_" + name;
}

}  // namespace

TEST(InputScript, ParsesEveryActionAndControlAndNamesBadLines) {
    std::string script =
        "# a comment\n\n"
        "1 press left\n2 release right\n3 tap jump\n4 tap turbo\n5 tap space\n6 tap escape\n"
        "7 tap f1\n7 tap f2\n7 tap f3\n7 tap f11\n8 tap mouse1\n8 tap mouse2\n9 press mouse 10 20\n"
        "10 press joy-left\n10 press joy-right\n10 press joy-up\n10 press joy-down\n"
        "11 tap joy0\n11 tap joy7\n12 tap close\n13 tap suspend\n14 tap resume\n15 tap up\n15 tap "
        "down\n";
    std::vector<InputEvent> events;
    ScriptError error;
    ASSERT_TRUE(parse_input_script(script, events, error)) << error.message;
    ASSERT_EQ(events.size(), 24u);
    EXPECT_EQ(events[0].frame, 1);
    EXPECT_EQ(events[0].action, InputAction::kPress);
    EXPECT_EQ(events[1].action, InputAction::kRelease);
    EXPECT_EQ(events[2].action, InputAction::kTap);
    EXPECT_EQ(events[12].control, "mouse");
    EXPECT_EQ(events[12].x, 10);
    EXPECT_EQ(events[12].y, 20);

    for (const char* bad : {"0 tap jump", "x tap jump", "3 hold jump", "3 tap jumpp", "3 tap",
                            "3 press mouse 10", "3 tap jump extra", "3 press mouse a b"}) {
        std::vector<InputEvent> ev;
        ScriptError e;
        EXPECT_FALSE(parse_input_script(std::string("# ok\n1 tap jump\n") + bad + "\n", ev, e))
            << bad;
        EXPECT_EQ(e.line, 3) << bad;
        EXPECT_NE(e.message.find("line 3"), std::string::npos) << e.message;
    }
}

TEST(InputScript, NamesAnyKeyAnyPadButtonF10AndThePadComingAndGoing) {
    std::vector<InputEvent> events;
    ScriptError error;
    ASSERT_TRUE(
        parse_input_script("1 tap key:F10\n2 press key:Left_Ctrl\n3 tap key:Return\n"
                           "4 tap key:A\n5 tap f10\n6 tap pad:back\n7 tap pad:rightshoulder\n"
                           "8 tap pad:paddle1\n9 tap joy-unplug\n10 tap joy-plug\n",
                           events, error))
        << error.message;
    ASSERT_EQ(events.size(), 10u);
    EXPECT_EQ(events[1].control, "key:Left_Ctrl");
    for (const char* bad : {"3 tap key:", "3 tap key:Not_A_Key", "3 tap pad:", "3 tap pad:z",
                            "3 tap key:Left_Ctrl 1", "3 tap f13"}) {
        std::vector<InputEvent> ev;
        ScriptError e;
        EXPECT_FALSE(parse_input_script(std::string("# ok\n1 tap jump\n") + bad + "\n", ev, e))
            << bad;
        EXPECT_EQ(e.line, 3) << bad;
    }
}

TEST(Sim, RefusesBadArgumentsAndScriptsWithStatusTwo) {
    std::string script = temp("bad.txt");
    write_text(script, "1 tap jump\n2 tap nothing\n");
    std::string err;
    EXPECT_EQ(run_sim("--frames 5 --input " + script, &err), 2);
    EXPECT_NE(err.find("line 2"), std::string::npos) << err;
    EXPECT_EQ(run_sim("--frames 5 --no-draw --shot 3:" + temp("x.png"), &err), 2);
    EXPECT_NE(err.find("--no-draw"), std::string::npos) << err;
    EXPECT_EQ(run_sim("--start 6.1 --frames 2"), 2);
    EXPECT_EQ(run_sim("--bogus"), 2);
}

TEST(Sim, CountsEveryFrameFromTheLogoOnAndDumpsEveryKey) {
    std::string dump = temp("logo.json");
    ASSERT_EQ(run_sim("--frames 3 --dump 3:" + dump), 0);
    std::string text = slurp(dump);
    for (const char* key :
         {"\"frame\":3", "\"millisecs\"", "\"game\"", "\"player\"", "\"fireball\"",
          "\"monster_list\"", "\"specialitem_list\"", "\"elevator_list\"", "\"specialfx_list\"",
          "\"demo_playing\"", "\"demo_pos\"", "\"demo_next\"", "\"map_cells\"", "\"tile1\"",
          "\"tile2\"", "\"x0\"", "\"other\"", "\"sounds\"", "play snd_tilesong music_channel"})
        EXPECT_NE(text.find(key), std::string::npos) << key;
    // The logo waits a second before its first frame, and each of its frames takes 50 ms more.
    EXPECT_NE(text.find("\"state\":0"), std::string::npos) << "the logo is still showing";
}

TEST(Sim, StartLandsInTheAnnouncementOfTheAreaAsked) {
    std::string dump = temp("start.json");
    ASSERT_EQ(run_sim("--start 2.3:2 --no-draw --frames 1 --dump 1:" + dump), 0);
    std::string text = slurp(dump);
    EXPECT_NE(text.find("\"game\":{\"state\":2,"), std::string::npos) << text.substr(0, 200);
    EXPECT_NE(text.find("\"players\":1"), std::string::npos);
    EXPECT_NE(text.find("\"level\":2,\"area\":3"), std::string::npos);
}

TEST(Sim, FramesFromAFreshDisplayHaveFixedLengths) {
    // The extra millisecond of the remainder falls in the frame where the accumulator reaches
    // the rate, so the very first frames of a run have fixed lengths. Frame 1 is the first
    // present after the display opened; the announcement's one-second wait follows it, and
    // the frame after a wait starts the count from the current time.
    std::string args = "--start 1.1 --no-draw --frames 7";
    for (int f = 1; f <= 7; ++f)
        args += " --dump " + std::to_string(f) + ":" + temp("pace" + std::to_string(f));
    ASSERT_EQ(run_sim(args), 0);
    const int expected[] = {16, 1016, 1033, 1049, 1066, 1083, 1099};
    for (int f = 1; f <= 7; ++f) {
        std::string text = slurp(temp("pace" + std::to_string(f)));
        std::string key = "\"millisecs\":" + std::to_string(expected[f - 1]) + ",";
        EXPECT_NE(text.find(key), std::string::npos) << "frame " << f << ": " << text.substr(0, 40);
    }
}

TEST(Sim, IdenticalRunsGiveIdenticalResultsAndDrawingChangesNoState) {
    std::string script = temp("walk.txt");
    write_text(script, "1 press right\n40 tap jump\n90 tap jump\n150 release right\n");
    std::string args = "--start 1.1 --input " + script + " --frames 420 --dump 420:";
    ASSERT_EQ(run_sim(args + temp("a.json") + " --shot 420:" + temp("a.png")), 0);
    ASSERT_EQ(run_sim(args + temp("b.json") + " --shot 420:" + temp("b.png")), 0);
    ASSERT_EQ(run_sim(args + temp("c.json") + " --no-draw"), 0);
    std::string a = slurp(temp("a.json"));
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a, slurp(temp("b.json")));
    EXPECT_EQ(slurp(temp("a.png")), slurp(temp("b.png")));
    EXPECT_EQ(a, slurp(temp("c.json"))) << "no-draw must not change the game";
}

TEST(Sim, EscapeEndsTheGameAndTheTopScoreIsWrittenBesideTheProgram) {
    std::string dir = temp("home");
    std::system(("rm -rf " + dir + " && mkdir -p " + dir + "/data").c_str());
    std::string script = temp("escape.txt");
    write_text(script, "200 tap escape\n");  // on the title, after the logo
    // Escape ends the run long before the frame limit, with the normal shut-down.
    ASSERT_EQ(run_sim("--no-draw --data " + dir + " --input " + script + " --frames 5000"), 0);
    std::string score = slurp(dir + "/data/hiscore.dat");
    EXPECT_EQ(score.size(), 4u);

    // Without a data folder there is nothing to write into: the game still ends normally.
    std::system(("rm -rf " + dir + "/data").c_str());
    EXPECT_EQ(run_sim("--no-draw --data " + dir + " --input " + script + " --frames 5000"), 0);
    EXPECT_EQ(slurp(dir + "/data/hiscore.dat"), "");
}
