// SPDX-License-Identifier: GPL-3.0-or-later
// A walkthrough's input (the runner's script format: "FRAME press|release|tap CONTROL") given
// to the game as the headless runner's devices give it: each frame's events arrive before the
// frame's first read, a press counts one hit until KeyHit reads it, and a flush lets every key
// go, and the mouse stays where the game last put it. So a walkthrough plays on the desktop exactly
// as its test plays it in the runner.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/backend.h"

class ScriptedDevices {
  public:
    ScriptedDevices() = default;
    // The events in the order the runner applies them (by frame, a frame's in script order).
    explicit ScriptedDevices(std::shared_ptr<const std::vector<InputEvent>> events)
        : events_(std::move(events)) {}
    // True when the control is one a walkthrough may use (the game's own keys).
    static bool knows(const std::string& control);
    int32_t read(int kind, int argument);
    // One more frame of the game was presented.
    void frame_presented() { ++frames_; }
    // FlushKeys (keys) or FlushMouse ran.
    void flushed(bool keys);
    // The game put the mouse at x, y (the hero's controls read it).
    void mouse_moved(int x, int y) { mouse_x_ = x, mouse_y_ = y; }

  private:
    void apply_due();
    std::shared_ptr<const std::vector<InputEvent>> events_;
    size_t next_ = 0;
    int frames_ = 0;
    int mouse_x_ = 0, mouse_y_ = 0;
    std::array<uint8_t, 256> key_down_{};
    std::array<uint16_t, 256> key_hits_{};
};
