// SPDX-License-Identifier: GPL-3.0-or-later
// Test play: the hero put where the author points, the game's own play loop from there, and
// the editor back as it was when the hero dies or the author presses P or Escape.
#include "editor/test_play.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "editor/editor_script.h"
#include "support/sim_runner.h"

namespace {

using editor_test::Script;

// A few numbers of a state dump, read without a JSON library: the first value after a key.
double dumped(const std::string& json, const std::string& key, size_t from = 0) {
    const size_t at = json.find("\"" + key + "\":", from);
    if (at == std::string::npos) return -99999;
    return std::stod(json.substr(at + key.size() + 3));
}
size_t after(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\":");
    return at == std::string::npos ? 0 : at;
}

TEST(TestPlay, TheNearestStandingPlaceToThePointer) {
    mapc::MapGrid g;
    for (int col = 0; col < mapc::kCols; ++col)
        g.tile1[static_cast<size_t>(11 * mapc::kCols + col)] = 9;
    g.tile1[static_cast<size_t>(6 * mapc::kCols + 30)] = 9;  // a ledge
    int col = 0, row = 0;
    ASSERT_TRUE(editor::standing_place(g, 30, 4, col, row));
    EXPECT_EQ(col, 30);
    EXPECT_EQ(row, 5) << "on the ledge, nearest to the pointer";
    ASSERT_TRUE(editor::standing_place(g, 30, 9, col, row));
    EXPECT_EQ(row, 10) << "on the floor";
    // Water under a column sends him to the nearest dry one.
    for (int c = 50; c < 55; ++c) g.tile1[static_cast<size_t>(11 * mapc::kCols + c)] = 94;
    ASSERT_TRUE(editor::standing_place(g, 53, 10, col, row));
    EXPECT_EQ(col, 55);
    EXPECT_FALSE(editor::standing_place(mapc::MapGrid{}, 10, 10, col, row));
}

TEST(TestPlay, FromAColumnThroughTheRealPlayLoopAndBackToTheEditor) {
    const std::string pack = editor_test::make_pack("test_play");
    const std::string before = pack + "/before.json", playing = pack + "/playing.json",
                      back = pack + "/back.json", died = pack + "/died.json";
    Script s;
    // The overview strip takes the view to column 60; the pointer then rests on it.
    s.point_at(40 + 60 * 4, 440).tap("mouse1").point_at(260, 220);
    const int play = s.frame();
    s.tap("key:P").wait(30);
    // The frame before the P that ends it: the one that ends it is the editor's again.
    const int during = s.frame() - 1;
    s.tap("key:P").wait(3);
    const int returned = s.frame();
    // From column 19 the hero walks right into the gap in the floor and dies.
    s.point_at(40 + 19 * 4, 440).tap("mouse1").point_at(260, 340).tap("key:P").press("right");
    s.wait(150).release("right");
    const int after_death = s.frame();
    // The editor's work goes on: a change saved.
    s.tap("key:Home").palette(13).drag("mouse1", 3, 5, 3, 5).ctrl("S");
    const std::string dumps = "--dump " + std::to_string(play - 1) + ":" + before + " --dump " +
                              std::to_string(during) + ":" + playing + " --dump " +
                              std::to_string(returned) + ":" + back + " --dump " +
                              std::to_string(after_death) + ":" + died;
    // Asked to record games, the runner still records no test play: it is not a game played.
    const std::string replay = pack + "/test-play.vrp", areas = pack + "/areas-reached.txt";
    ASSERT_EQ(editor_test::run_editor(pack, "1.1", s, s.frame() + 2,
                                      dumps + " --record " + replay + " --areas " + areas),
              0);
    EXPECT_FALSE(std::ifstream(replay).good()) << "a test play was recorded";
    EXPECT_FALSE(std::ifstream(areas).good()) << "a test play reached an area";

    const std::string b = slurp(before), p = slurp(playing), r = slurp(back), d = slurp(died);
    EXPECT_EQ(dumped(p, "state", after(p, "game")), 1) << "in play";
    // Column 60 is 2420 pixels in; the world moved so that the hero stands at 180.
    EXPECT_EQ(dumped(p, "x0"), 20 - (60 * 40 + 20 - 180));
    EXPECT_EQ(dumped(p, "x", after(p, "player")), 180);
    EXPECT_EQ(dumped(p, "lives", after(p, "player")), 3);
    for (const std::string* back_in_editor : {&r, &d}) {
        EXPECT_EQ(dumped(*back_in_editor, "state", after(*back_in_editor, "game")),
                  dumped(b, "state", after(b, "game")));
        EXPECT_EQ(dumped(*back_in_editor, "x0"), dumped(b, "x0"));
        EXPECT_EQ(dumped(*back_in_editor, "topscore"), dumped(b, "topscore"))
            << "a test play sets no top score";
    }
    EXPECT_EQ(editor_test::saved_grid(pack + "/map1.1.txt").tile1[5 * 140 + 3], 9);
}

}  // namespace

namespace {

TEST(TestPlay, ClosingTheWindowWhilePlayingAsksAboutUnsavedWorkFirst) {
    const std::string pack = editor_test::make_pack("test_play_close");
    Script s;
    s.palette(13).drag("mouse1", 3, 5, 3, 5).point_at(260, 220).tap("key:P").wait(20);
    s.tap("close").wait(5).tap("key:S").wait(5);
    std::string err;
    ASSERT_EQ(editor_test::run_editor(pack, "1.1", s, s.frame() + 50, "", &err), 0) << err;
    EXPECT_EQ(editor_test::saved_grid(pack + "/map1.1.txt").tile1[5 * 140 + 3], 9)
        << "the question came, and S saved before leaving";
}

}  // namespace
