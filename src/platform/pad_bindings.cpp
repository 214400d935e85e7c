// SPDX-License-Identifier: GPL-3.0-or-later
// The pad's buttons through the player's bindings, for a real pad or joystick and for the
// headless runner's scripted controller.
#include "platform/pad_bindings.h"

#include <algorithm>
#include <cstdlib>

#include "platform/player_choices.h"

static_assert(kOptionsJoyButton == plat::kOptionsButton, "one options button");

namespace {

constexpr int kJoystickButtons = 32;

bool g_controller_was[SDL_CONTROLLER_BUTTON_MAX] = {};
bool g_joystick_was[kJoystickButtons] = {};
bool g_scripted[SDL_CONTROLLER_BUTTON_MAX] = {};
std::string g_pressed;

bool any_down(const std::vector<int>& buttons, const bool* down, int count) {
    for (int b : buttons)
        if (b >= 0 && b < count && down[b]) return true;
    return false;
}

}  // namespace

namespace plat {

PadBindings PadBindingsFrom(const Settings& settings) {
    PadBindings b;
    for (size_t i = 0; i < kPadControls; ++i) {
        for (const std::string& word : PadButtons(settings.pad[i])) {
            const SDL_GameControllerButton named =
                SDL_GameControllerGetButtonFromString(word.c_str());
            if (named != SDL_CONTROLLER_BUTTON_INVALID)
                b.controller[i].push_back(named);
            else
                b.joystick[i].push_back(std::atoi(word.c_str()));
        }
    }
    return b;
}

PadBindings& pad_bindings() {
    static PadBindings bindings = PadBindingsFrom(Settings{});
    return bindings;
}

int pad_control_button(PadControl control) {
    static const int buttons[kPadControls] = {0, 1, 2, kOptionsButton};
    return buttons[static_cast<int>(control)];
}

void read_pad_buttons(SDL_GameController* pad, SDL_Joystick* stick, bool down[kJoyButtons]) {
    for (int i = 0; i < kJoyButtons; ++i) down[i] = false;
    const PadBindings& b = pad_bindings();
    if (pad) {
        bool now[SDL_CONTROLLER_BUTTON_MAX] = {};
        for (int i = 0; i < SDL_CONTROLLER_BUTTON_MAX; ++i) {
            now[i] = SDL_GameControllerGetButton(pad, static_cast<SDL_GameControllerButton>(i));
            if (now[i] && !g_controller_was[i])
                g_pressed =
                    SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(i));
            g_controller_was[i] = now[i];
        }
        for (size_t c = 0; c < kPadControls; ++c)
            if (any_down(b.controller[c], now, SDL_CONTROLLER_BUTTON_MAX))
                down[pad_control_button(static_cast<PadControl>(c))] = true;
    } else if (stick) {
        bool now[kJoystickButtons] = {};
        const int n = std::min(SDL_JoystickNumButtons(stick), kJoystickButtons);
        for (int i = 0; i < n; ++i) {
            now[i] = SDL_JoystickGetButton(stick, i);
            if (now[i] && !g_joystick_was[i]) g_pressed = std::to_string(i);
            g_joystick_was[i] = now[i];
        }
        for (size_t c = 0; c < kPadControls; ++c)
            if (any_down(b.joystick[c], now, kJoystickButtons))
                down[pad_control_button(static_cast<PadControl>(c))] = true;
    }
}

std::vector<std::pair<int, bool>> script_pad_button(int button, bool down) {
    std::vector<std::pair<int, bool>> changed;
    if (button < 0 || button >= SDL_CONTROLLER_BUTTON_MAX) return changed;
    if (down && !g_scripted[button])
        g_pressed =
            SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(button));
    g_scripted[button] = down;
    const PadBindings& b = pad_bindings();
    for (size_t c = 0; c < kPadControls; ++c) {
        for (int bound : b.controller[c]) {
            if (bound != button) continue;
            changed.emplace_back(pad_control_button(static_cast<PadControl>(c)),
                                 any_down(b.controller[c], g_scripted, SDL_CONTROLLER_BUTTON_MAX));
            break;
        }
    }
    return changed;
}

void release_script_pad() {
    for (bool& b : g_scripted) b = false;
}

std::string take_pad_press() {
    std::string p;
    p.swap(g_pressed);
    return p;
}

}  // namespace plat
