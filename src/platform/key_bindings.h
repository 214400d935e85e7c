// SPDX-License-Identifier: GPL-3.0-or-later
// Which physical keys answer for the game's controls. The game asks for virtual-key numbers;
// a binding puts another key of the keyboard in the place of one of them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/settings.h"

struct KeyBindings {
    std::array<int, kBoundControls> keycodes{};  // SDL keycodes in BoundControl order
};

KeyBindings BindingsFrom(const Settings& settings);

// The virtual keys a key answers for: those of the controls bound to it, or else the one of
// its place on the keyboard (`natural_vk`, -1 for none) unless that control has moved to
// another key.
std::vector<int> VirtualKeysFor(const KeyBindings& bindings, int keycode, int natural_vk);

namespace plat {
// The bindings in force; the defaults until the desktop program sets its own.
KeyBindings& key_bindings();
// A physical key went down; take_key_press gives its SDL name once ("" when none came).
void note_key_press(int keycode);
std::string take_key_press();
}  // namespace plat
