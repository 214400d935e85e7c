// SPDX-License-Identifier: GPL-3.0-or-later
// A touch screen's controls as the platform takes them (the browser page's buttons and fingers,
// see web_touch.cpp): a button presses one of the game's own controls by its virtual key, past
// the player's key bindings; a finger on the window is the mouse.
#pragma once

enum class TouchPhase { kDown, kMove, kUp };

// `vk` is the virtual key the game reads for a control (37 left, 39 right, 162 jump, 164 turbo,
// 32 pause, 121 the options).
void TouchKey(int vk, bool down);

// A finger at (x, y) in window coordinates. Put down it moves the pointer there and presses
// the left button; lifted it lets go, and the pointer rests where it steers nothing, so that a
// tap on the picture in play jumps without walking the hero off afterwards.
void TouchPointer(int x, int y, TouchPhase phase);
