// SPDX-License-Identifier: GPL-3.0-or-later
// A seam in the input: every read the game makes passes through one function that may watch it
// (a recording) or answer in its place (a playback), and every presented frame is told. With no
// tap set the devices answer as always.
#pragma once

#include <cstdint>

enum class TapRead : uint8_t {
    kKeyHit = 1,
    kKeyDown,
    kMouseHit,
    kMouseDown,
    kMouseX,
    kMouseY,
    kJoyCount,
    kJoyX,
    kJoyY,
    kJoyDown,
    kJoyHit,
    kAppTerminate,
    kAppSuspended,
};
constexpr int kTapReadKinds = 14;

struct InputTap {
    // What the devices answered (a float's bits for JoyX and JoyY); the game gets what it returns.
    int32_t (*read)(TapRead what, int argument, int32_t live) = nullptr;
    // A frame was presented (its number as FrameNumber counts), before the runner hears of it.
    void (*frame)(int number) = nullptr;
    // FlushKeys (keys true) or FlushMouse let go of everything: a playback's own devices too.
    void (*flushed)(bool keys) = nullptr;
    // The game put the mouse somewhere (MoveMouse), which a playback's own devices follow.
    void (*mouse_moved)(int x, int y) = nullptr;
    // True while the tap answers for the devices: a headless wait is then not one that no
    // script can end, however long it lasts.
    bool (*answering)() = nullptr;
};

// Replaces the tap; an empty one leaves the devices alone.
void SetInputTap(const InputTap& tap);
