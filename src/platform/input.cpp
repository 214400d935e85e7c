// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard (by Windows virtual-key number), mouse in picture coordinates, and joystick port 0
// through SDL's game-controller API with the raw joystick as fallback. Hits count presses until
// read. The headless backend feeds the same state from a script instead of devices.
#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>
#include <type_traits>

#include "platform/internal.h"

namespace {

constexpr int kButtons = 8;

struct InputState {
    int key_down[256] = {};
    int key_hits[256] = {};
    int mouse_down[4] = {};
    int mouse_hits[4] = {};
    int mouse_x = 0, mouse_y = 0;
    bool close_requested = false;
    bool suspended = false;
    // Joystick as the game reads it; scripted controls write these directly.
    float joy_x = 0, joy_y = 0;
    int joy_down[kButtons] = {};
    int joy_hits[kButtons] = {};
    bool joy_scripted = false;
};
InputState in;
static_assert(std::is_trivially_copyable_v<InputState>, "saved as plain bytes");

SDL_GameController* g_pad = nullptr;
SDL_Joystick* g_stick = nullptr;
std::deque<InputEvent> g_queue;

void press(int& down, int& hits, bool now_down) {
    if (now_down && !down) ++hits;
    down = now_down ? 1 : 0;
}

int vk_of_control(const std::string& c) {
    static const std::map<std::string, int> keys = {
        {"left", 37},  {"right", 39},  {"up", 38},  {"down", 40}, {"jump", 162}, {"turbo", 164},
        {"space", 32}, {"escape", 27}, {"f1", 112}, {"f2", 113},  {"f3", 114},   {"f11", 122}};
    auto it = keys.find(c);
    return it == keys.end() ? -1 : it->second;
}

// Full deflection must read exactly -1.0 or 1.0, since the game compares for equality; a
// stick pushed nearly all the way counts as full.
float axis_value(Sint16 raw) {
    float v = raw / 32767.0f;
    if (v >= 0.9f) return 1.0f;
    if (v <= -0.9f) return -1.0f;
    return std::clamp(v, -1.0f, 1.0f);
}

void close_devices() {
    if (g_pad) SDL_GameControllerClose(g_pad);
    if (g_stick) SDL_JoystickClose(g_stick);
    g_pad = nullptr;
    g_stick = nullptr;
}

}  // namespace

namespace plat {

void input_key_event(int vk, bool down) {
    if (vk < 0 || vk > 255) return;
    press(in.key_down[vk], in.key_hits[vk], down);
}

void input_mouse_button(int button, bool down) {
    if (button < 1 || button > 3) return;
    press(in.mouse_down[button], in.mouse_hits[button], down);
}

void input_mouse_move(int x, int y) {
    in.mouse_x = x;
    in.mouse_y = y;
}

void input_close_request() {
    in.close_requested = true;
}
void input_set_suspended(bool s) {
    in.suspended = s;
}
bool input_suspended() {
    return in.suspended;
}

void input_joy_device_event() {
    // Hot-plug: take the first pad that answers, preferring one with a controller mapping.
    close_devices();
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_IsGameController(i)) {
            g_pad = SDL_GameControllerOpen(i);
            if (g_pad) return;
        }
    }
    if (SDL_NumJoysticks() > 0) g_stick = SDL_JoystickOpen(0);
}

void input_reset_devices() {
    close_devices();
}

void input_joy_refresh() {
    if (in.joy_scripted || config().headless) return;
    float x = 0, y = 0;
    bool b[kButtons] = {};
    if (g_pad) {
        x = axis_value(SDL_GameControllerGetAxis(g_pad, SDL_CONTROLLER_AXIS_LEFTX));
        y = axis_value(SDL_GameControllerGetAxis(g_pad, SDL_CONTROLLER_AXIS_LEFTY));
        if (SDL_GameControllerGetButton(g_pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT)) x = -1.0f;
        if (SDL_GameControllerGetButton(g_pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) x = 1.0f;
        if (SDL_GameControllerGetButton(g_pad, SDL_CONTROLLER_BUTTON_DPAD_UP)) y = -1.0f;
        if (SDL_GameControllerGetButton(g_pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) y = 1.0f;
        const SDL_GameControllerButton order[kButtons] = {SDL_CONTROLLER_BUTTON_A,
                                                          SDL_CONTROLLER_BUTTON_B,
                                                          SDL_CONTROLLER_BUTTON_X,
                                                          SDL_CONTROLLER_BUTTON_Y,
                                                          SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                                                          SDL_CONTROLLER_BUTTON_BACK,
                                                          SDL_CONTROLLER_BUTTON_START,
                                                          SDL_CONTROLLER_BUTTON_RIGHTSHOULDER};
        for (int i = 0; i < kButtons; ++i) b[i] = SDL_GameControllerGetButton(g_pad, order[i]);
    } else if (g_stick) {
        if (SDL_JoystickNumAxes(g_stick) > 1) {
            x = axis_value(SDL_JoystickGetAxis(g_stick, 0));
            y = axis_value(SDL_JoystickGetAxis(g_stick, 1));
        }
        if (SDL_JoystickNumHats(g_stick) > 0) {
            Uint8 hat = SDL_JoystickGetHat(g_stick, 0);
            if (hat & SDL_HAT_LEFT) x = -1.0f;
            if (hat & SDL_HAT_RIGHT) x = 1.0f;
            if (hat & SDL_HAT_UP) y = -1.0f;
            if (hat & SDL_HAT_DOWN) y = 1.0f;
        }
        int n = std::min(SDL_JoystickNumButtons(g_stick), kButtons);
        for (int i = 0; i < n; ++i) b[i] = SDL_JoystickGetButton(g_stick, i);
    }
    in.joy_x = x;
    in.joy_y = y;
    for (int i = 0; i < kButtons; ++i) press(in.joy_down[i], in.joy_hits[i], b[i]);
}

// The script's events for this frame (and any missed earlier) arrive before the first query.
void input_before_query() {
    int current = FrameNumber() + 1;
    while (!g_queue.empty() && g_queue.front().frame <= current) {
        InputEvent e = g_queue.front();
        g_queue.pop_front();
        HeadlessApply(e);
    }
}

// A wait without presenting frames: the next scripted moment arrives at once.
bool input_pull_next_group() {
    if (g_queue.empty()) return false;
    int frame = g_queue.front().frame;
    while (!g_queue.empty() && g_queue.front().frame == frame) {
        InputEvent e = g_queue.front();
        g_queue.pop_front();
        HeadlessApply(e);
    }
    return true;
}

SavedInput input_save() {
    SavedInput s;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&in);
    s.devices.assign(bytes, bytes + sizeof in);
    s.queue.assign(g_queue.begin(), g_queue.end());
    return s;
}

void input_load(const SavedInput& saved) {
    if (saved.devices.size() == sizeof in) std::memcpy(&in, saved.devices.data(), sizeof in);
    g_queue.assign(saved.queue.begin(), saved.queue.end());
}

}  // namespace plat

void HeadlessQueueEvents(const std::vector<InputEvent>& events) {
    std::vector<InputEvent> sorted(events.begin(), events.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const InputEvent& a, const InputEvent& b) { return a.frame < b.frame; });
    g_queue.assign(sorted.begin(), sorted.end());
}

bool HeadlessKnowsControl(const std::string& c) {
    if (vk_of_control(c) >= 0) return true;
    static const char* others[] = {"mouse1", "mouse2",   "mouse", "joy-left", "joy-right",
                                   "joy-up", "joy-down", "close", "suspend",  "resume"};
    for (const char* o : others)
        if (c == o) return true;
    return c.size() == 4 && c.compare(0, 3, "joy") == 0 && c[3] >= '0' && c[3] <= '7';
}

void HeadlessApply(const InputEvent& e) {
    auto act = [&](auto&& set) {
        if (e.action == InputAction::kPress)
            set(true);
        else if (e.action == InputAction::kRelease)
            set(false);
        else
            set(true), set(false);
    };
    int vk = vk_of_control(e.control);
    if (vk >= 0) {
        act([&](bool d) { plat::input_key_event(vk, d); });
    } else if (e.control == "mouse1" || e.control == "mouse2") {
        int b = e.control == "mouse1" ? 1 : 2;
        act([&](bool d) { plat::input_mouse_button(b, d); });
    } else if (e.control == "mouse") {
        plat::input_mouse_move(e.x, e.y);
    } else if (e.control.compare(0, 4, "joy-") == 0) {
        in.joy_scripted = true;
        bool horizontal = e.control == "joy-left" || e.control == "joy-right";
        float full = (e.control == "joy-left" || e.control == "joy-up") ? -1.0f : 1.0f;
        float& axis = horizontal ? in.joy_x : in.joy_y;
        act([&](bool d) { axis = d ? full : 0.0f; });
    } else if (e.control.compare(0, 3, "joy") == 0 && e.control.size() == 4) {
        in.joy_scripted = true;
        int b = e.control[3] - '0';
        act([&](bool d) { press(in.joy_down[b], in.joy_hits[b], d); });
    } else if (e.control == "close") {
        plat::input_close_request();
    } else if (e.control == "suspend") {
        plat::input_set_suspended(true);
    } else if (e.control == "resume") {
        plat::input_set_suspended(false);
    }
}

int KeyHit(int key) {
    plat::pump_events();
    if (key < 0 || key > 255) return 0;
    int n = in.key_hits[key];
    in.key_hits[key] = 0;
    return n;
}

int KeyDown(int key) {
    plat::pump_events();
    return key < 0 || key > 255 ? 0 : in.key_down[key];
}

void FlushKeys() {
    plat::pump_events();
    std::fill(std::begin(in.key_down), std::end(in.key_down), 0);
    std::fill(std::begin(in.key_hits), std::end(in.key_hits), 0);
}

int MouseHit(int button) {
    plat::pump_events();
    if (button < 1 || button > 3) return 0;
    int n = in.mouse_hits[button];
    in.mouse_hits[button] = 0;
    return n;
}

int MouseDown(int button) {
    plat::pump_events();
    return button < 1 || button > 3 ? 0 : in.mouse_down[button];
}

int MouseX() {
    plat::pump_events();
    return in.mouse_x;
}

int MouseY() {
    plat::pump_events();
    return in.mouse_y;
}

void FlushMouse() {
    plat::pump_events();
    std::fill(std::begin(in.mouse_down), std::end(in.mouse_down), 0);
    std::fill(std::begin(in.mouse_hits), std::end(in.mouse_hits), 0);
}

int JoyCount() {
    plat::pump_events();
    if (plat::config().headless) return in.joy_scripted ? 1 : 0;
    return SDL_NumJoysticks();
}

float JoyX(int port) {
    plat::pump_events();
    return port == 0 ? in.joy_x : 0.0f;
}

float JoyY(int port) {
    plat::pump_events();
    return port == 0 ? in.joy_y : 0.0f;
}

int JoyDown(int button, int port) {
    plat::pump_events();
    return port == 0 && button >= 0 && button < kButtons ? in.joy_down[button] : 0;
}

int JoyHit(int button, int port) {
    plat::pump_events();
    if (port != 0 || button < 0 || button >= kButtons) return 0;
    int n = in.joy_hits[button];
    in.joy_hits[button] = 0;
    return n;
}

bool AppSuspended() {
    plat::pump_events();
    return in.suspended;
}

bool AppTerminate() {
    plat::pump_events();
    bool r = in.close_requested;
    in.close_requested = false;
    return r;
}

void MoveMouse(int x, int y) {
    in.mouse_x = x;
    in.mouse_y = y;
    if (plat::config().headless) return;
    int wx, wy;
    plat::picture_to_screen(x, y, wx, wy);
    SDL_Window* w = SDL_GL_GetCurrentWindow();
    if (w) SDL_WarpMouseInWindow(w, wx, wy);
}
