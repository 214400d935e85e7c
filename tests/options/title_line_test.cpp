// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen with the options installed is the designed picture plus one small line
// below the menu, and nothing else changes.
#include "options/title_line.h"

#include <gtest/gtest.h>

#include "options/install_options.h"
#include "shell/addon_hooks.h"
#include "shell/shell_helpers.h"
#include "support/test_game.h"

namespace {

// The picture of the title's fifth frame, the title left by Escape a little later.
std::vector<uint8_t> title_picture(bool with_options) {
    fresh_game(true);
    if (with_options) install_options();
    std::vector<uint8_t> picture;
    const int shot_at = FrameNumber() + 5;
    SetFlipHook([&](int frame) {
        if (frame == shot_at) ReadBackBuffer(picture);
    });
    shell_test::script({{8, "escape"}});
    game_tag::title_screen();
    SetFlipHook(nullptr);
    addon_hooks = addon_hooks_tag{};
    return picture;
}

}  // namespace

TEST(TitleLine, IsTheOnlyChangeToTheTitlesPicture) {
    const std::vector<uint8_t> designed = title_picture(false);
    const std::vector<uint8_t> added = title_picture(true);
    ASSERT_EQ(designed.size(), 640u * 480u * 3u);
    ASSERT_EQ(added.size(), designed.size());
    int changed_outside = 0, lit_in_band = 0, lit_in_band_before = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const size_t i = (static_cast<size_t>(y) * 640 + x) * 3;
            const bool same = designed[i] == added[i] && designed[i + 1] == added[i + 1] &&
                              designed[i + 2] == added[i + 2];
            const bool band = y >= 396 && y < 424;
            if (!band && !same) ++changed_outside;
            if (band && added[i] > 150) ++lit_in_band;
            if (band && designed[i] > 150) ++lit_in_band_before;
        }
    }
    EXPECT_EQ(changed_outside, 0);
    EXPECT_GT(lit_in_band, 100) << "the line of added keys is drawn";
    EXPECT_EQ(lit_in_band_before, 0);
    EXPECT_EQ(TitleLineText().rfind("F10 options", 0), 0u);
}
