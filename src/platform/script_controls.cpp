// SPDX-License-Identifier: GPL-3.0-or-later
// The controls a headless input script can name, as one table: the game's own controls by
// name, any key by its SDL name ("key:Left_Ctrl", through the key bindings as a real key),
// the mouse, the joystick's directions and numbered buttons, any game-controller button by
// name ("pad:back", through the pad bindings), the pad unplugged and plugged in, the window's
// close, suspend and resume, the middle button, the wheel's notches and typed text
// ("text:Dark_Caves", '_' for a space).
#include <SDL2/SDL.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/internal.h"
#include "platform/key_codes.h"
#include "platform/pad_bindings.h"

namespace {

// One kind of control: a whole name, or a prefix followed by an argument ("key:", "pad:").
struct ScriptControl {
    std::string name;
    bool prefix = false;
    std::function<bool(const std::string& argument)> knows;
    // Sets the control held (true) or let go (false); the argument follows a prefix.
    std::function<void(const std::string& argument, bool down)> set;
    bool one_shot = false;  // acts once, whatever the action
};

// The key "key:Left_Ctrl" names: underscores stand for spaces.
std::string key_name(const std::string& argument) {
    std::string name = argument;
    for (char& c : name)
        if (c == '_') c = ' ';
    return name;
}

ScriptControl virtual_key(const char* name, int vk) {
    return {name, false, nullptr,
            [vk](const std::string&, bool d) { plat::input_key_event(vk, d); }};
}

ScriptControl once(const char* name, std::function<void()> act) {
    return {name, false, nullptr, [act](const std::string&, bool) { act(); }, true};
}

ScriptControl joystick_direction(const char* name, bool horizontal, float full) {
    return {name, false, nullptr, [=](const std::string&, bool d) {
                plat::input_script_axis(horizontal, d ? full : 0.0f);
            }};
}

// The game's own controls: a walkthrough's script names only these.
constexpr struct {
    const char* name;
    int key;
} kGameKeys[] = {{"left", kKeyLeft},   {"right", kKeyRight},  {"up", kKeyUp},
                 {"down", kKeyDown},   {"jump", kKeyJump},    {"turbo", kKeyTurbo},
                 {"space", kKeySpace}, {"escape", kKeyEscape}};

const std::vector<ScriptControl>& controls() {
    static const std::vector<ScriptControl> table = [] {
        std::vector<ScriptControl> t;
        for (const auto& k : kGameKeys) t.push_back(virtual_key(k.name, k.key));
        t.insert(t.end(),
                 {virtual_key("f1", 112),
                  virtual_key("f2", 113),
                  virtual_key("f3", 114),
                  virtual_key("f10", 121),
                  virtual_key("f11", 122),
                  {"key:", true,
                   [](const std::string& a) {
                       return !a.empty() && SDL_GetKeyFromName(key_name(a).c_str()) != SDLK_UNKNOWN;
                   },
                   [](const std::string& a, bool d) { DeliverKey(key_name(a), d); }},
                  {"mouse1", false, nullptr,
                   [](const std::string&, bool d) { plat::input_mouse_button(1, d); }},
                  {"mouse2", false, nullptr,
                   [](const std::string&, bool d) { plat::input_mouse_button(2, d); }},
                  {"mouse3", false, nullptr,
                   [](const std::string&, bool d) { plat::input_mouse_button(3, d); }},
                  once("wheel-up", [] { plat::input_mouse_wheel(1); }),
                  once("wheel-down", [] { plat::input_mouse_wheel(-1); }),
                  {"text:", true, [](const std::string& a) { return !a.empty(); },
                   [](const std::string& a, bool) { plat::input_text(key_name(a)); }, true},
                  joystick_direction("joy-left", true, -1.0f),
                  joystick_direction("joy-right", true, 1.0f),
                  joystick_direction("joy-up", false, -1.0f),
                  joystick_direction("joy-down", false, 1.0f),
                  {"pad:", true,
                   [](const std::string& a) {
                       return SDL_GameControllerGetButtonFromString(a.c_str()) !=
                              SDL_CONTROLLER_BUTTON_INVALID;
                   },
                   [](const std::string& a, bool d) {
                       const int button = SDL_GameControllerGetButtonFromString(a.c_str());
                       for (const auto& [game_button, level] : plat::script_pad_button(button, d))
                           plat::input_script_button(game_button, level);
                   }},
                  once("joy-unplug",
                       [] {
                           plat::release_script_pad();
                           plat::input_script_pad_plugged(false);
                       }),
                  once("joy-plug", [] { plat::input_script_pad_plugged(true); }),
                  once("close", [] { plat::input_close_request(); }),
                  once("suspend", [] { plat::input_set_suspended(true); }),
                  once("resume", [] { plat::input_set_suspended(false); })});
        for (int b = 0; b < 8; ++b) {
            t.push_back({"joy" + std::to_string(b), false, nullptr,
                         [b](const std::string&, bool d) { plat::input_script_button(b, d); }});
        }
        return t;
    }();
    return table;
}

// The table's entry for a control's name and the argument after its prefix; null if none.
const ScriptControl* find(const std::string& control, std::string& argument) {
    for (const ScriptControl& c : controls()) {
        if (c.prefix ? control.compare(0, c.name.size(), c.name) != 0 : control != c.name) continue;
        argument = c.prefix ? control.substr(c.name.size()) : "";
        if (c.knows && !c.knows(argument)) return nullptr;
        return &c;
    }
    return nullptr;
}

}  // namespace

int ScriptGameKey(const std::string& control) {
    for (const auto& k : kGameKeys)
        if (control == k.name) return k.key;
    return -1;
}

bool HeadlessKnowsControl(const std::string& control) {
    std::string argument;
    return control == "mouse" || find(control, argument) != nullptr;
}

void HeadlessApply(const InputEvent& e) {
    if (e.control == "mouse") {
        plat::input_mouse_move(e.x, e.y);
        return;
    }
    std::string argument;
    const ScriptControl* c = find(e.control, argument);
    if (!c) return;
    if (c->one_shot) {
        c->set(argument, true);
        return;
    }
    if (e.action != InputAction::kRelease) c->set(argument, true);
    if (e.action != InputAction::kPress) c->set(argument, false);
}
