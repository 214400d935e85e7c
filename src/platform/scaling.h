// SPDX-License-Identifier: GPL-3.0-or-later
// Where the 640 x 480 picture goes in a window or on a screen, and how the mouse maps back.
// `fit` fills the largest 4:3 rectangle; `integer` keeps to whole factors. Both centre it.
#pragma once

#include "platform/settings.h"

struct PictureRect {
    int x = 0, y = 0, w = 640, h = 480;
    // The whole factor the picture is first enlarged by with nearest-neighbour sampling: the
    // smallest at or above the rectangle. When it gives exactly the rectangle nothing else is
    // needed; otherwise a linear scale takes it down to the rectangle.
    int factor = 1;
    bool exact() const { return w == 640 * factor && h == 480 * factor; }
};

PictureRect PlacePicture(int window_w, int window_h, ScaleMode mode);
// A window position to a picture position (may fall outside 0..639, 0..479) and back.
void WindowToPicture(const PictureRect& r, int wx, int wy, int& px, int& py);
void PictureToWindow(const PictureRect& r, int px, int py, int& wx, int& wy);
