// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's touch controls call (index.html): its on-screen buttons press the game's own
// controls, past the player's key bindings, and a finger on the picture is the mouse.
#include <emscripten.h>

#include "platform/internal.h"

namespace {
// Where a lifted finger leaves the pointer: between the zones where the pointer steers the
// hero, so that a tap on the picture jumps without walking him off afterwards.
constexpr int kRestingX = 320;
}  // namespace

extern "C" {

// `vk` is the virtual key the game reads for a control (37 left, 39 right, 162 jump, ...).
EMSCRIPTEN_KEEPALIVE void varnoth_touch_key(int vk, int down) {
    plat::input_key_event(vk, down != 0);
}

// A finger on the canvas at (x, y) in the page's pixels from the canvas's top left corner, as
// SDL counts the window's: `phase` 0 put down, 1 moved, 2 lifted.
EMSCRIPTEN_KEEPALIVE void varnoth_touch_pointer(int x, int y, int phase) {
    int px = 0, py = 0;
    plat::screen_to_picture(x, y, px, py);
    plat::input_mouse_move(px, py);
    if (phase == 0) plat::input_mouse_button(1, true);
    if (phase == 2) {
        plat::input_mouse_button(1, false);
        plat::input_mouse_move(kRestingX, py);
    }
}

}  // extern "C"
