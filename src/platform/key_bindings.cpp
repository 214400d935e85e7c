// SPDX-License-Identifier: GPL-3.0-or-later
// The mapping from a pressed key to the game's virtual keys.
#include "platform/key_bindings.h"

#include <SDL2/SDL.h>

KeyBindings BindingsFrom(const Settings& settings) {
    KeyBindings b;
    for (int i = 0; i < kBoundControls; ++i)
        b.keycodes[static_cast<size_t>(i)] =
            SDL_GetKeyFromName(settings.keys[static_cast<size_t>(i)].c_str());
    return b;
}

std::vector<int> VirtualKeysFor(const KeyBindings& bindings, int keycode, int natural_vk) {
    std::vector<int> vks;
    bool natural_moved = false;
    for (int i = 0; i < kBoundControls; ++i) {
        int vk = BoundControlVirtualKey(static_cast<BoundControl>(i));
        if (bindings.keycodes[static_cast<size_t>(i)] == keycode) vks.push_back(vk);
        if (vk == natural_vk) natural_moved = true;
    }
    if (vks.empty() && natural_vk >= 0 && !natural_moved) vks.push_back(natural_vk);
    return vks;
}

namespace {
int g_pressed = SDLK_UNKNOWN;
}  // namespace

namespace plat {
void note_key_press(int keycode) {
    g_pressed = keycode;
}

std::string take_key_press() {
    const int key = g_pressed;
    g_pressed = SDLK_UNKNOWN;
    return key == SDLK_UNKNOWN ? "" : SDL_GetKeyName(key);
}

KeyBindings& key_bindings() {
    static KeyBindings bindings = BindingsFrom(Settings{});
    return bindings;
}
}  // namespace plat
