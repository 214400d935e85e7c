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

#include "platform/input_tap.h"
#include "platform/internal.h"
#include "platform/pad_bindings.h"

namespace {

constexpr int kButtons = plat::kJoyButtons;

struct InputState {
    int key_down[256] = {};
    int key_hits[256] = {};
    int mouse_down[4] = {};
    int mouse_hits[4] = {};
    int mouse_x = 0, mouse_y = 0;
    int wheel = 0;
    // Typed text not yet read; what does not fit is dropped, as a full keyboard buffer would.
    char typed[256] = {};
    int typed_length = 0;
    bool close_requested = false;
    bool suspended = false;
    // Joystick as the game reads it; scripted controls write these directly.
    float joy_x = 0, joy_y = 0;
    int joy_down[kButtons] = {};
    int joy_hits[kButtons] = {};
    bool joy_scripted = false;
    bool pad_unplugged = false;   // the pad in use went away, until the game has heard of it
    bool script_pad_out = false;  // the scripted pad is unplugged
};
InputState in;
static_assert(std::is_trivially_copyable_v<InputState>, "saved as plain bytes");

SDL_GameController* g_pad = nullptr;
SDL_Joystick* g_stick = nullptr;
std::deque<InputEvent> g_queue;
InputTap g_tap;

int tapped(TapRead what, int argument, int live) {
    return g_tap.read ? g_tap.read(what, argument, live) : live;
}

float tapped(TapRead what, int argument, float live) {
    if (!g_tap.read) return live;
    int32_t bits = 0;
    std::memcpy(&bits, &live, sizeof bits);
    bits = g_tap.read(what, argument, bits);
    float answer = 0;
    std::memcpy(&answer, &bits, sizeof answer);
    return answer;
}

void press(int& down, int& hits, bool now_down) {
    if (now_down && !down) ++hits;
    down = now_down ? 1 : 0;
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

void input_tap_frame(int number) {
    if (g_tap.frame) g_tap.frame(number);
}

bool input_tap_answering() {
    return g_tap.answering && g_tap.answering();
}

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

void input_mouse_wheel(int notches) {
    in.wheel += notches;
}

void input_text(const std::string& utf8) {
    for (char c : utf8) {
        if (in.typed_length + 1 >= static_cast<int>(sizeof in.typed)) return;
        in.typed[in.typed_length++] = c;
    }
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
    // Hot-plug: take the first pad that answers, preferring one with a controller mapping. A
    // pad lost with none to take its place is news for the game (it pauses play).
    const bool had = g_pad || g_stick;
    close_devices();
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_IsGameController(i)) {
            g_pad = SDL_GameControllerOpen(i);
            if (g_pad) return;
        }
    }
    if (SDL_NumJoysticks() > 0) g_stick = SDL_JoystickOpen(0);
    if (had && !g_stick) in.pad_unplugged = true;
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
    }
    plat::read_pad_buttons(g_pad, g_stick, b);
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

void input_script_axis(bool horizontal, float value) {
    in.joy_scripted = true;
    (horizontal ? in.joy_x : in.joy_y) = value;
}

void input_script_button(int button, bool down) {
    if (button < 0 || button >= kButtons) return;
    in.joy_scripted = true;
    if (in.script_pad_out && down) return;  // an unplugged pad presses nothing
    press(in.joy_down[button], in.joy_hits[button], down);
}

void input_script_pad_plugged(bool plugged) {
    in.joy_scripted = true;
    if (!plugged && !in.script_pad_out) {
        for (int i = 0; i < kButtons; ++i) press(in.joy_down[i], in.joy_hits[i], false);
        in.joy_x = in.joy_y = 0;
        in.pad_unplugged = true;
    }
    in.script_pad_out = !plugged;
}

int input_pad_kind() {
    pump_events();
    if (config().headless) return in.joy_scripted && !in.script_pad_out ? 1 : 0;
    return g_pad ? 1 : g_stick ? 2 : 0;
}

bool input_take_pad_unplugged() {
    pump_events();
    const bool unplugged = in.pad_unplugged;
    in.pad_unplugged = false;
    return unplugged;
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

void SetInputTap(const InputTap& tap) {
    g_tap = tap;
}

void HeadlessQueueEvents(const std::vector<InputEvent>& events) {
    std::vector<InputEvent> sorted(events.begin(), events.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const InputEvent& a, const InputEvent& b) { return a.frame < b.frame; });
    g_queue.assign(sorted.begin(), sorted.end());
}

int KeyHit(int key) {
    plat::pump_events();
    if (key < 0 || key > 255) return 0;
    int n = in.key_hits[key];
    in.key_hits[key] = 0;
    return tapped(TapRead::kKeyHit, key, n);
}

int KeyDown(int key) {
    plat::pump_events();
    return tapped(TapRead::kKeyDown, key, key < 0 || key > 255 ? 0 : in.key_down[key]);
}

void FlushKeys() {
    plat::pump_events();
    std::fill(std::begin(in.key_down), std::end(in.key_down), 0);
    std::fill(std::begin(in.key_hits), std::end(in.key_hits), 0);
    in.typed_length = 0;
    if (g_tap.flushed) g_tap.flushed(true);
}

std::string TypedText() {
    plat::pump_events();
    std::string text(in.typed, static_cast<size_t>(in.typed_length));
    in.typed_length = 0;
    return text;
}

int MouseWheel() {
    plat::pump_events();
    const int notches = in.wheel;
    in.wheel = 0;
    return notches;
}

int MouseHit(int button) {
    plat::pump_events();
    if (button < 1 || button > 3) return 0;
    int n = in.mouse_hits[button];
    in.mouse_hits[button] = 0;
    return tapped(TapRead::kMouseHit, button, n);
}

int MouseDown(int button) {
    plat::pump_events();
    return tapped(TapRead::kMouseDown, button,
                  button < 1 || button > 3 ? 0 : in.mouse_down[button]);
}

int MouseX() {
    plat::pump_events();
    return tapped(TapRead::kMouseX, 0, in.mouse_x);
}

int MouseY() {
    plat::pump_events();
    return tapped(TapRead::kMouseY, 0, in.mouse_y);
}

void FlushMouse() {
    plat::pump_events();
    std::fill(std::begin(in.mouse_down), std::end(in.mouse_down), 0);
    std::fill(std::begin(in.mouse_hits), std::end(in.mouse_hits), 0);
    in.wheel = 0;
    if (g_tap.flushed) g_tap.flushed(false);
}

int JoyCount() {
    plat::pump_events();
    if (plat::config().headless)
        return tapped(TapRead::kJoyCount, 0, in.joy_scripted && !in.script_pad_out ? 1 : 0);
    return tapped(TapRead::kJoyCount, 0, SDL_NumJoysticks());
}

float JoyX(int port) {
    plat::pump_events();
    return tapped(TapRead::kJoyX, port, port == 0 ? in.joy_x : 0.0f);
}

float JoyY(int port) {
    plat::pump_events();
    return tapped(TapRead::kJoyY, port, port == 0 ? in.joy_y : 0.0f);
}

int JoyDown(int button, int port) {
    plat::pump_events();
    return tapped(TapRead::kJoyDown, button,
                  port == 0 && button >= 0 && button < kButtons ? in.joy_down[button] : 0);
}

int JoyHit(int button, int port) {
    plat::pump_events();
    if (port != 0 || button < 0 || button >= kButtons) return tapped(TapRead::kJoyHit, button, 0);
    int n = in.joy_hits[button];
    in.joy_hits[button] = 0;
    return tapped(TapRead::kJoyHit, button, n);
}

bool AppSuspended() {
    plat::pump_events();
    return tapped(TapRead::kAppSuspended, 0, in.suspended ? 1 : 0) != 0;
}

bool AppTerminate() {
    plat::pump_events();
    bool r = in.close_requested;
    in.close_requested = false;
    return tapped(TapRead::kAppTerminate, 0, r ? 1 : 0) != 0;
}

void MoveMouse(int x, int y) {
    in.mouse_x = x;
    in.mouse_y = y;
    if (g_tap.mouse_moved) g_tap.mouse_moved(x, y);
    if (plat::config().headless) return;
    int wx, wy;
    plat::picture_to_screen(x, y, wx, wy);
    SDL_Window* w = SDL_GL_GetCurrentWindow();
    if (w) SDL_WarpMouseInWindow(w, wx, wy);
}
