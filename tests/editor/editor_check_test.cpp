// SPDX-License-Identifier: GPL-3.0-or-later
// Check from the editor: the bot run on the area as it is on screen, answered while the editor
// goes on, and cancelled at once when the author asks.
#include <gtest/gtest.h>

#include <fstream>

#include "bot/test_areas.h"
#include "editor/editor_script.h"
#include "support/sim_runner.h"

namespace {

using editor_test::Script;

constexpr int kWater = 17;

// The runner's frames pass far faster than the bot plays, so a run is given enough of them for
// the answer to arrive, then leaves.
int run_with_budget(const std::string& pack, const Script& s, int frames, std::string& err,
                    const std::string& extra = "", int budget = 2000) {
    const std::string input = pack + ".input";
    write_text(input, s.text());
    return run_program("VARNOTH_EDITOR_CHECK_BUDGET=" + std::to_string(budget) + " " + sim_path() +
                           " --no-draw --edit " + pack + " 1.1 --input " + input + " --frames " +
                           std::to_string(frames) + " " + extra,
                       nullptr, &err);
}

size_t count_of(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// The first number after a key of a state dump.
double dumped(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\":");
    return at == std::string::npos ? -99999 : std::stod(json.substr(at + key.size() + 3));
}

TEST(EditorCheck, AWinnableAreaIsWonAndItsRunWatchedToTheCauldronThenTheEditorGoesOn) {
    const std::string pack = editor_test::make_pack("check_won");
    write_text(pack + "/map1.1.txt", winnable_source());
    Script s;
    s.tap("key:C");
    // The answer comes in the child's own time, not the runner's frames (here some 20,000 of
    // them): W is asked again and again, answered "still looking" until the answer is there,
    // then the run plays, and again whenever W is asked after it has ended.
    const int before = s.frame();
    while (s.frame() < 90000) s.wait(97).tap("key:W");
    // The editor's work goes on: a change saved; the run, found on the area before it, is no
    // longer shown.
    s.wait(2000).palette(13).drag("mouse1", 3, 5, 3, 5).ctrl("S").tap("key:W");
    const int end = s.frame() + 2;
    const std::string dumps = " --dump " + std::to_string(before - 1) + ":" + pack +
                              "/before.json --dump " + std::to_string(end) + ":" + pack +
                              "/end.json";
    const std::string replay = pack + "/watched.vrp";
    std::string err;
    // The bot's beam is as wide as its budget lets it be: this one finds the way at once.
    ASSERT_EQ(run_with_budget(pack, s, end, err, dumps + " --record " + replay, 5000), 0) << err;
    ASSERT_NE(err.find("varnoth: check of area 1.1: can be won: the bot reached the cauldron in "),
              std::string::npos)
        << err;
    // Every watch played the check's own game to its last frame, its state the same as the
    // check's at every second, and ended at the cauldron.
    EXPECT_GE(count_of(err, "varnoth: W: The bot's run reached the cauldron"), 1u) << err;
    const std::string last_w = err.substr(err.rfind("varnoth: W: "));
    EXPECT_EQ(last_w, "varnoth: W: The area has changed since the check: C checks it again\n");
    EXPECT_EQ(err.find("went its own way"), std::string::npos) << err;
    EXPECT_EQ(err.find("cannot be played"), std::string::npos) << err;
    EXPECT_FALSE(std::ifstream(replay).good()) << "a watched run was recorded";
    const std::string b = slurp(pack + "/before.json"), e = slurp(pack + "/end.json");
    for (const char* key : {"state", "x0", "topscore", "lives", "score"})
        EXPECT_EQ(dumped(e, key), dumped(b, key)) << key << " is the editor's again";
    EXPECT_EQ(editor_test::saved_grid(pack + "/map1.1.txt").tile1[5 * 140 + 3], 9);
}

TEST(EditorCheck, WideWaterAfterTheStartHasNoWayWithinTheBudget) {
    const std::string pack = editor_test::make_pack("check_no_way");
    Script s;
    s.palette(kWater).press("key:Left_Shift").drag("mouse1", 5, 2, 11, 11);
    s.release("key:Left_Shift").tap("key:F");
    // Further still: the view scrolled on by the wheel, the water carried on.
    for (int i = 0; i < 3; ++i) s.tap("wheel-down");
    s.press("key:Left_Shift").drag("mouse1", 0, 2, 11, 11).release("key:Left_Shift").tap("key:F");
    s.tap("key:C");
    std::string err;
    ASSERT_EQ(run_with_budget(pack, s, 120000, err, "--end-after-check 10"), 0);
    EXPECT_NE(err.find("varnoth: check of area 1.1: no way to the cauldron found in "),
              std::string::npos)
        << err;
}

TEST(EditorCheck, CancellingEndsTheCheckAndTheEditorGoesOn) {
    const std::string pack = editor_test::make_pack("check_cancel");
    Script s;
    s.tap("key:C").wait(3).tap("key:C").palette(13).drag("mouse1", 3, 5, 3, 5).ctrl("S");
    std::string err;
    ASSERT_EQ(run_with_budget(pack, s, 40000, err), 0);
    EXPECT_EQ(err.find("check of area"), std::string::npos) << "no answer after a cancel";
    EXPECT_EQ(editor_test::saved_grid(pack + "/map1.1.txt").tile1[5 * 140 + 3], 9);
}

}  // namespace
