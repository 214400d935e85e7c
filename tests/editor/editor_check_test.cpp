// SPDX-License-Identifier: GPL-3.0-or-later
// Check from the editor: the bot run on the area as it is on screen, answered while the editor
// goes on, and cancelled at once when the author asks.
#include <gtest/gtest.h>

#include "editor/editor_script.h"
#include "support/sim_runner.h"

namespace {

using editor_test::Script;

constexpr int kWater = 17;

// The runner's frames pass far faster than the bot plays, so a run is given enough of them for
// the answer to arrive, then leaves.
int run_with_budget(const std::string& pack, const Script& s, int frames, std::string& err) {
    const std::string input = pack + ".input";
    write_text(input, s.text());
    return run_program("VARNOTH_EDITOR_CHECK_BUDGET=2000 " + sim_path() + " --no-draw --edit " +
                           pack + " 1.1 --input " + input + " --frames " + std::to_string(frames),
                       nullptr, &err);
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
    ASSERT_EQ(run_with_budget(pack, s, 120000, err), 0);
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
