// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/scripted_devices.h"

#include <string>

#include "platform/input_tap.h"

bool ScriptedDevices::knows(const std::string& control) {
    return ScriptGameKey(control) >= 0;
}

void ScriptedDevices::apply_due() {
    if (!events_) return;
    // The runner applies a frame's events before the first read made while drawing it.
    const int current = frames_ + 1;
    while (next_ < events_->size() && (*events_)[next_].frame <= current) {
        const InputEvent& e = (*events_)[next_++];
        const int key = ScriptGameKey(e.control);
        if (key < 0) continue;
        auto set = [&](bool down) {
            if (down && key_down_[key] == 0) ++key_hits_[key];
            key_down_[key] = down ? 1 : 0;
        };
        if (e.action != InputAction::kRelease) set(true);
        if (e.action != InputAction::kPress) set(false);
    }
}

int32_t ScriptedDevices::read(int kind, int argument) {
    apply_due();
    if (kind == static_cast<int>(TapRead::kMouseX) || kind == static_cast<int>(TapRead::kMouseY))
        argument = 0;
    if (argument < 0 || argument > 255) return 0;
    const auto at = static_cast<size_t>(argument);
    if (kind == static_cast<int>(TapRead::kKeyHit)) {
        const int n = key_hits_[at];
        key_hits_[at] = 0;
        return n;
    }
    if (kind == static_cast<int>(TapRead::kKeyDown)) return key_down_[at];
    if (kind == static_cast<int>(TapRead::kMouseX)) return mouse_x_;
    if (kind == static_cast<int>(TapRead::kMouseY)) return mouse_y_;
    // No mouse button, no pad, no close request: the runner's devices untouched by the script.
    // (A stick's axis at rest reads 0.0f, whose bits are 0 too.)
    return 0;
}

void ScriptedDevices::flushed(bool keys) {
    apply_due();
    if (!keys) return;
    key_down_.fill(0);
    key_hits_.fill(0);
}
