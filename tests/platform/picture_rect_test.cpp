// SPDX-License-Identifier: GPL-3.0-or-later
// Where the picture goes on common screens in both scale modes, and the mouse through it.
#include <gtest/gtest.h>

#include "platform/scaling.h"

namespace {
struct Screen {
    int w, h;
    PictureRect fit, integer;  // x, y, w, h, factor
};
}  // namespace

TEST(PictureRect, FitFillsTheLargestFourByThreeAndIntegerKeepsWholeFactors) {
    const Screen screens[] = {
        {640, 480, {0, 0, 640, 480, 1}, {0, 0, 640, 480, 1}},
        {800, 600, {0, 0, 800, 600, 2}, {80, 60, 640, 480, 1}},
        {1280, 720, {160, 0, 960, 720, 2}, {320, 120, 640, 480, 1}},
        {1366, 768, {171, 0, 1024, 768, 2}, {363, 144, 640, 480, 1}},
        {1920, 1080, {240, 0, 1440, 1080, 3}, {320, 60, 1280, 960, 2}},
        {2560, 1440, {320, 0, 1920, 1440, 3}, {320, 0, 1920, 1440, 3}},
        {3840, 2160, {480, 0, 2880, 2160, 5}, {640, 120, 2560, 1920, 4}},
    };
    for (const Screen& s : screens) {
        for (ScaleMode mode : {ScaleMode::kFit, ScaleMode::kInteger}) {
            const PictureRect& want = mode == ScaleMode::kFit ? s.fit : s.integer;
            PictureRect r = PlacePicture(s.w, s.h, mode);
            SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h) +
                         (mode == ScaleMode::kFit ? " fit" : " integer"));
            EXPECT_EQ(r.x, want.x);
            EXPECT_EQ(r.y, want.y);
            EXPECT_EQ(r.w, want.w);
            EXPECT_EQ(r.h, want.h);
            EXPECT_EQ(r.factor, want.factor);
            // The whole-factor picture is never less than the rectangle nor twice its size, so
            // the linear step only ever shrinks, by less than half.
            EXPECT_GE(640 * r.factor, r.w);
            EXPECT_LT(640 * r.factor, 2 * r.w + 640);
            if (mode == ScaleMode::kInteger) {
                EXPECT_TRUE(r.exact());
            }

            // The mouse: the rectangle's corners are the picture's, the black field outside.
            int px, py, wx, wy;
            WindowToPicture(r, r.x, r.y, px, py);
            EXPECT_EQ(px, 0);
            EXPECT_EQ(py, 0);
            WindowToPicture(r, r.x + r.w - 1, r.y + r.h - 1, px, py);
            EXPECT_EQ(px, 639);
            EXPECT_EQ(py, 479);
            WindowToPicture(r, s.w / 2, s.h / 2, px, py);
            EXPECT_NEAR(px, 320, 1);
            EXPECT_NEAR(py, 240, 1);
            PictureToWindow(r, 320, 240, wx, wy);
            WindowToPicture(r, wx, wy, px, py);
            EXPECT_EQ(px, 320);
            EXPECT_EQ(py, 240);
        }
    }
    // A window smaller than the picture shrinks it in both modes.
    PictureRect small = PlacePicture(320, 300, ScaleMode::kInteger);
    EXPECT_EQ(small.w, 320);
    EXPECT_EQ(small.h, 240);
    EXPECT_EQ(small.factor, 1);
}
