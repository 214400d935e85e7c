// SPDX-License-Identifier: GPL-3.0-or-later
// Touch buttons and fingers into the input state the game reads.
#include "platform/touch_controls.h"

#include "platform/internal.h"

namespace {
// Between the zones left and right of the middle where the pointer steers the hero.
constexpr int kRestingX = 320;
}  // namespace

void TouchKey(int vk, bool down) {
    plat::input_key_event(vk, down);
}

void TouchPointer(int x, int y, TouchPhase phase) {
    int px = 0, py = 0;
    plat::screen_to_picture(x, y, px, py);
    plat::input_mouse_move(px, py);
    if (phase == TouchPhase::kDown) plat::input_mouse_button(1, true);
    if (phase == TouchPhase::kUp) {
        plat::input_mouse_button(1, false);
        plat::input_mouse_move(kRestingX, py);
    }
}
