// SPDX-License-Identifier: GPL-3.0-or-later
// A rule broken while the author paints is marked at its cell, on the view and on the overview
// strip, and the mark goes when the change is undone.
#include <gtest/gtest.h>

#include "editor/editor_script.h"
#include "platform/internal.h"
#include "support/sim_runner.h"

namespace {

using editor_test::Script;

struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> rgba;
    bool red(int x, int y) const {
        const uint32_t v = rgba[static_cast<size_t>(y * width + x)];
        return (v & 0xff) > 200 && ((v >> 8) & 0xff) < 90 && ((v >> 16) & 0xff) < 90;
    }
};

Picture load(const std::string& path) {
    const std::string bytes = slurp(path);
    Picture p;
    EXPECT_TRUE(plat::decode_png(std::vector<uint8_t>(bytes.begin(), bytes.end()), p.width,
                                 p.height, p.rgba))
        << path;
    if (p.rgba.empty()) p.width = 640, p.height = 480, p.rgba.assign(640 * 480, 0);
    return p;
}

TEST(RuleMarks, ASecondStartIsMarkedAtItsCellAndUnmarkedByUndo) {
    const std::string pack = editor_test::make_pack("rule_marks");
    Script s;
    for (int i = 0; i < 6; ++i) s.tap("key:Tab");  // the Start group
    s.palette(0).point(8, 6).tap("mouse1").point_at(600, 300).wait(2);
    const int marked = s.frame();
    s.ctrl("Z").wait(2);
    const int unmarked = s.frame();
    const std::string shots = pack + "/shot";
    ASSERT_EQ(editor_test::run_editor(pack, "1.1", s, unmarked + 1,
                                      "--shot " + std::to_string(marked) + ":" + shots +
                                          "_marked.png --shot " + std::to_string(unmarked) + ":" +
                                          shots + "_undone.png"),
              0);
    const Picture m = load(shots + "_marked.png"), u = load(shots + "_undone.png");
    // The cell's frame on the view (column 8 is x 320..359, row 6 is y 160..199 as the view
    // opens), and its dot on the strip.
    EXPECT_TRUE(m.red(320, 180));
    EXPECT_TRUE(m.red(340, 198));
    EXPECT_TRUE(m.red(40 + 8 * 4 + 1, 432 + 6 * 4 + 1));
    EXPECT_FALSE(u.red(320, 180));
    EXPECT_FALSE(u.red(40 + 8 * 4 + 1, 432 + 6 * 4 + 1));
}

}  // namespace
