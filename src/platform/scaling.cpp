// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's rectangle for both scale modes.
#include "platform/scaling.h"

#include <algorithm>

namespace {
constexpr int kW = 640, kH = 480;

PictureRect centred(int ww, int wh, int w, int h) {
    PictureRect r;
    r.w = std::max(1, w), r.h = std::max(1, h);
    r.x = (ww - r.w) / 2, r.y = (wh - r.h) / 2;
    r.factor = std::max(1, (r.w + kW - 1) / kW);
    if (r.h > kH * r.factor) r.factor = (r.h + kH - 1) / kH;
    return r;
}
}  // namespace

PictureRect PlacePicture(int ww, int wh, ScaleMode mode) {
    ww = std::max(1, ww), wh = std::max(1, wh);
    int k = std::min(ww / kW, wh / kH);
    if (mode == ScaleMode::kInteger && k >= 1) return centred(ww, wh, kW * k, kH * k);
    // 4:3 in whole pixels: the full height when the window is wider than 4:3, else full width.
    if (ww * 3 >= wh * 4) return centred(ww, wh, wh * 4 / 3, wh);
    return centred(ww, wh, ww, ww * 3 / 4);
}

void WindowToPicture(const PictureRect& r, int wx, int wy, int& px, int& py) {
    px = (wx - r.x) * kW / r.w;
    py = (wy - r.y) * kH / r.h;
}

void PictureToWindow(const PictureRect& r, int px, int py, int& wx, int& wy) {
    wx = r.x + px * r.w / kW;
    wy = r.y + py * r.h / kH;
}
