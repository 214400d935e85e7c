// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's touch controls call (index.html): its buttons press the game's own controls
// and one finger on the picture is the mouse (touch_controls.h).
#include <emscripten.h>

#include "platform/touch_controls.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE void varnoth_touch_key(int vk, int down) {
    TouchKey(vk, down != 0);
}

// (x, y) in the page's pixels from the canvas's top left corner, as SDL counts the window's;
// `phase` 0 put down, 1 moved, 2 lifted.
EMSCRIPTEN_KEEPALIVE void varnoth_touch_pointer(int x, int y, int phase) {
    TouchPointer(x, y,
                 phase == 0   ? TouchPhase::kDown
                 : phase == 2 ? TouchPhase::kUp
                              : TouchPhase::kMove);
}

}  // extern "C"
