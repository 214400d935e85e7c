// SPDX-License-Identifier: GPL-3.0-or-later
// The display and the frame: opening the window (or the offscreen context), event processing,
// full screen and window switching, the clock, frame pacing and presentation, for both the
// desktop and the headless backend.
#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/host.h"
#include "platform/internal.h"
#include "platform/key_bindings.h"
#include "platform/pacing.h"
#include "platform/player_choices.h"
#include "platform/screenshot.h"
#include "platform/user_paths.h"

namespace {

struct Display {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool open = false;
    bool fullscreen = true;
    bool vsync = false;
    bool unseen = false;  // SetFlipsUnseen
    bool screenshot_wanted = false;
    std::string title = "Varnoth";
    // Pacing of Flip(-1): `hertz` frames a second, or fewer at a slower pace.
    int period = 16, remainder = 40, accumulator = 0, hertz = 60, next = 0;
    int designed_hertz = 60, pace = 100;
    // Virtual clock of the headless backend.
    int virtual_ms = 0;
    int frames = 0;
    int delay_streak = 0;
    int stalled_ms = 0;
    std::function<void(int)> flip_hook;
    std::function<void()> stall_hook;
};
Display d;

[[noreturn]] void fail(const char* what, const char* why) {
    std::fprintf(stderr, "varnoth: %s: %s\n", what, why);
    std::exit(1);
}

int vk_from_scancode(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return 112 + (sc - SDL_SCANCODE_F1);
    switch (sc) {
        case SDL_SCANCODE_0:
            return '0';
        case SDL_SCANCODE_ESCAPE:
            return 27;
        case SDL_SCANCODE_SPACE:
            return 32;
        case SDL_SCANCODE_RETURN:
            return 13;
        case SDL_SCANCODE_BACKSPACE:
            return 8;
        case SDL_SCANCODE_TAB:
            return 9;
        case SDL_SCANCODE_LEFT:
            return 37;
        case SDL_SCANCODE_UP:
            return 38;
        case SDL_SCANCODE_RIGHT:
            return 39;
        case SDL_SCANCODE_DOWN:
            return 40;
        case SDL_SCANCODE_PAGEUP:
            return 33;
        case SDL_SCANCODE_PAGEDOWN:
            return 34;
        case SDL_SCANCODE_END:
            return 35;
        case SDL_SCANCODE_HOME:
            return 36;
        case SDL_SCANCODE_INSERT:
            return 45;
        case SDL_SCANCODE_DELETE:
            return 46;
        case SDL_SCANCODE_LSHIFT:
            return 160;
        case SDL_SCANCODE_RSHIFT:
            return 161;
        case SDL_SCANCODE_LCTRL:
            return 162;
        case SDL_SCANCODE_RCTRL:
            return 163;
        case SDL_SCANCODE_LALT:
            return 164;
        case SDL_SCANCODE_RALT:
            return 165;
        default:
            return -1;
    }
}

void take_screenshot() {
    d.screenshot_wanted = false;
    std::vector<uint8_t> rgb;
    std::string folder = ScreenshotsFolder();
    std::string path;
    if (!folder.empty() && plat::renderer_read(rgb))
        path = SaveScreenshot(folder.substr(0, folder.size() - 1), rgb, std::time(nullptr));
    if (path.empty())
        std::fprintf(stderr, "varnoth: the screenshot could not be saved\n");
    else
        std::fprintf(stderr, "varnoth: screenshot %s\n", path.c_str());
}

// A screenshot shows a whole picture: the one on the screen while the game waits without
// drawing, otherwise the one being drawn, once it is finished.
void request_screenshot() {
    // A headless run never writes into the player's folders.
    if (plat::config().headless) return;
    if (plat::renderer_shows_last_present())
        take_screenshot();
    else
        d.screenshot_wanted = true;
}

void key_event(SDL_Keycode key, SDL_Scancode sc, bool repeat, bool down) {
    if (down && !repeat) plat::note_key_press(key);
    // F12 belongs to the screenshot; the game never sees it.
    if (sc == SDL_SCANCODE_F12) {
        if (down && !repeat) request_screenshot();
        return;
    }
    int vk = vk_from_scancode(sc);
    if (!repeat || !down)
        for (int bound : VirtualKeysFor(plat::key_bindings(), key, vk))
            plat::input_key_event(bound, down);
    // The generic Shift, Control and Alt keys follow their left and right keys.
    if (vk == 160 || vk == 161) plat::input_key_event(16, down);
    if (vk == 162 || vk == 163) plat::input_key_event(17, down);
    if (vk == 164 || vk == 165) plat::input_key_event(18, down);
}

void set_fullscreen(bool on) {
    if (!d.window) return;
    d.fullscreen = on;
    if (plat::host_set_fullscreen(on)) return;
    if (d.fullscreen) {
        SDL_SetWindowFullscreen(d.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        return;
    }
    SDL_SetWindowFullscreen(d.window, 0);
    SDL_Rect usable;
    int w = plat::kScreenW, h = plat::kScreenH;
    int index = SDL_GetWindowDisplayIndex(d.window);
    if (index >= 0 && SDL_GetDisplayUsableBounds(index, &usable) == 0 &&
        usable.w >= 2 * plat::kScreenW && usable.h >= 2 * plat::kScreenH + 40) {
        w *= 2, h *= 2;
    }
    SDL_SetWindowSize(d.window, w, h);
    SDL_SetWindowPosition(d.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

// F11 or Alt+Enter: the player's choice, which the settings keep.
void toggle_fullscreen() {
    set_fullscreen(!plat::host_fullscreen(d.fullscreen));
    plat::config().settings.fullscreen = plat::config().saved.fullscreen = d.fullscreen;
}

void drawable_size(int& w, int& h) {
    w = plat::kScreenW, h = plat::kScreenH;
    if (d.window && !plat::config().headless) SDL_GL_GetDrawableSize(d.window, &w, &h);
}

// On a 60 Hz display the vertical blank may pace presenting; elsewhere it must not wait.
void apply_vsync(VsyncMode mode) {
    SDL_DisplayMode display_mode;
    const int index = SDL_GetWindowDisplayIndex(d.window);
    const double hz = index >= 0 && SDL_GetCurrentDisplayMode(index, &display_mode) == 0
                          ? display_mode.refresh_rate
                          : 0;
    d.vsync = !plat::config().headless && UseVsync(mode, hz) && SDL_GL_SetSwapInterval(1) == 0;
    if (!d.vsync) SDL_GL_SetSwapInterval(0);
}

// A window or page resized while the game waits without drawing (a pause) has lost its
// picture: the last one is shown again at the new size.
void show_again() {
    if (!d.window || !plat::renderer_shows_last_present()) return;
    int ww, wh;
    drawable_size(ww, wh);
    plat::present_picture(ww, wh, PlacePicture(ww, wh, plat::config().settings.scale));
    SDL_GL_SwapWindow(d.window);
}

void open_gl_window(Uint32 flags, int w, int h) {
    plat::request_gl_context();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    d.window = SDL_CreateWindow(d.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w,
                                h, plat::window_flags(flags) | SDL_WINDOW_OPENGL);
    if (!d.window) fail("cannot open the display", SDL_GetError());
    d.context = SDL_GL_CreateContext(d.window);
    if (!d.context) fail("no OpenGL 3.3 context", SDL_GetError());
    apply_vsync(plat::config().settings.vsync);
    if (!plat::renderer_init()) fail("cannot set up drawing", "shader or framebuffer failed");
}

}  // namespace

namespace plat {

Config& config() {
    static Config c;
    return c;
}

int now_ms() {
    return config().headless ? d.virtual_ms : static_cast<int>(PreciseMs());
}

void advance_clock(int ms) {
    if (ms > 0) d.virtual_ms += ms;
}

SavedClock clock_save() {
    return SavedClock{d.virtual_ms, d.frames, d.delay_streak, d.stalled_ms, d.next, d.accumulator};
}

void clock_load(const SavedClock& s) {
    d.virtual_ms = s.virtual_ms;
    d.frames = s.frames;
    d.delay_streak = s.delay_streak;
    d.stalled_ms = s.stalled_ms;
    d.next = s.next;
    d.accumulator = s.accumulator;
}

PictureRect window_picture() {
    int ww = kScreenW, wh = kScreenH;
    if (d.window) SDL_GetWindowSize(d.window, &ww, &wh);
    return PlacePicture(ww, wh, config().settings.scale);
}

void display_apply(const Settings& before, const Settings& now) {
    if (!d.window || config().headless) return;
    if (now.fullscreen != before.fullscreen) set_fullscreen(now.fullscreen);
    if (now.vsync != before.vsync) apply_vsync(now.vsync);
}

void screen_to_picture(int wx, int wy, int& px, int& py) {
    WindowToPicture(window_picture(), wx, wy, px, py);
}

void picture_to_screen(int px, int py, int& wx, int& wy) {
    PictureToWindow(window_picture(), px, py, wx, wy);
}

void pump_events() {
    if (config().headless) {
        input_before_query();
        return;
    }
    if (!d.open) return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT:
                input_close_request();
                break;
            case SDL_KEYDOWN:
                if (e.key.keysym.scancode == SDL_SCANCODE_F11 ||
                    (e.key.keysym.scancode == SDL_SCANCODE_RETURN &&
                     (e.key.keysym.mod & KMOD_ALT))) {
                    if (!e.key.repeat) toggle_fullscreen();
                }
                key_event(e.key.keysym.sym, e.key.keysym.scancode, e.key.repeat, true);
                break;
            case SDL_KEYUP:
                key_event(e.key.keysym.sym, e.key.keysym.scancode, e.key.repeat, false);
                break;
            case SDL_MOUSEMOTION: {
                int px, py;
                screen_to_picture(e.motion.x, e.motion.y, px, py);
                input_mouse_move(px, py);
                break;
            }
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                int b = e.button.button == SDL_BUTTON_LEFT     ? 1
                        : e.button.button == SDL_BUTTON_RIGHT  ? 2
                        : e.button.button == SDL_BUTTON_MIDDLE ? 3
                                                               : 0;
                input_mouse_button(b, e.type == SDL_MOUSEBUTTONDOWN);
                break;
            }
            case SDL_MOUSEWHEEL:
                input_mouse_wheel(e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y
                                                                              : e.wheel.y);
                break;
            case SDL_TEXTINPUT:
                input_text(e.text.text);
                break;
            case SDL_DROPFILE:
                if (e.drop.file) file_dropped(e.drop.file);
                SDL_free(e.drop.file);
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                    e.window.event == SDL_WINDOWEVENT_MINIMIZED)
                    input_set_suspended(true);
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                    e.window.event == SDL_WINDOWEVENT_RESTORED)
                    input_set_suspended(false);
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) show_again();
                break;
            case SDL_CONTROLLERDEVICEADDED:
            case SDL_CONTROLLERDEVICEREMOVED:
            case SDL_JOYDEVICEADDED:
            case SDL_JOYDEVICEREMOVED:
                input_joy_device_event();
                break;
            default:
                break;
        }
    }
    input_joy_refresh();
}

}  // namespace plat

void PlatformUseDesktop() {
    plat::config() = plat::Config{};
}

void PlatformUseHeadless(const HeadlessOptions& options) {
    plat::Config& c = plat::config();
    c.headless = true;
    c.draw = options.draw;
    c.real_audio = false;
    c.options = options;
    d.virtual_ms = options.start_millisecs;
}

void PlatformUseRealAudio(const std::string& driver) {
    plat::config().real_audio = true;
    plat::config().audio_driver = driver;
}

bool PlatformHeadless() {
    return plat::config().headless;
}
bool PlatformVsync() {
    return d.vsync;
}
bool PlatformDrawing() {
    return plat::config().draw;
}
void HeadlessStartDrawing() {
    plat::Config& c = plat::config();
    if (!c.headless || c.draw) return;
    c.draw = true;
    if (!d.open) return;  // Graphics opens the offscreen window itself
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) fail("no offscreen display", SDL_GetError());
    open_gl_window(SDL_WINDOW_HIDDEN, plat::kScreenW, plat::kScreenH);
}
int FrameNumber() {
    return d.frames;
}
void SetFlipHook(std::function<void(int)> hook) {
    d.flip_hook = std::move(hook);
}
void SetStallHook(std::function<void()> hook) {
    d.stall_hook = std::move(hook);
}
bool ReadBackBuffer(std::vector<uint8_t>& rgb) {
    return plat::renderer_read(rgb);
}

void AppTitle(const std::string& title) {
    d.title = title;
    if (d.window) SDL_SetWindowTitle(d.window, title.c_str());
}

void Graphics(int width, int height, int depth, int hertz, int flags) {
    (void)flags;
    if (d.open) return;
    plat::Config& c = plat::config();
    d.designed_hertz = hertz > 0 ? hertz : 60;
    const FrameSchedule schedule = PacedSchedule(d.designed_hertz, d.pace);
    d.hertz = schedule.rate;
    d.period = schedule.period;
    d.remainder = schedule.remainder;
    d.accumulator = 0;
    if (c.headless) {
        if (c.draw) {
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
            if (SDL_Init(SDL_INIT_VIDEO) != 0) fail("no offscreen display", SDL_GetError());
            open_gl_window(SDL_WINDOW_HIDDEN, width, height);
        } else if (SDL_Init(0) != 0) {
            fail("cannot start SDL", SDL_GetError());
        }
    } else {
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK) != 0)
            fail("no display", SDL_GetError());
        // SDL falls back to invisible drivers when there is no display: that is no display.
        const char* driver = SDL_GetCurrentVideoDriver();
        if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)
            fail("no display",
                 "no window system is available (is DISPLAY or WAYLAND_DISPLAY set?)");
        std::string mappings = ResolvePath("data/gamecontrollerdb.txt");
        SDL_GameControllerAddMappingsFromFile(mappings.c_str());
        // The player's choice of window or full screen stands over the program's request.
        d.fullscreen = depth != 0 && c.settings.fullscreen;
        open_gl_window(SDL_WINDOW_RESIZABLE | (d.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0),
                       width, height);
        if (!d.fullscreen) set_fullscreen(false);  // the window's size for this screen
        plat::input_joy_device_event();
    }
    plat::audio_init();
    d.open = true;
    d.next = plat::now_ms();
}

namespace {

// The wait of Flip(-1): on the virtual clock time simply moves on; on the desktop the wait ends
// precisely at the deadline. With vertical sync the wait stops a little early and the present
// waits for the blank, yet a present that returns at once still keeps to the schedule.
void wait_for(int deadline) {
    if (plat::config().headless) {
        plat::advance_clock(deadline - plat::now_ms());
        return;
    }
    constexpr double kVsyncSlackMs = 2.0;
    WaitUntil(deadline - (d.vsync ? kVsyncSlackMs : 0.0));
}

}  // namespace

void Flip(int sync) {
    plat::renderer_flush();
    const bool desktop = !plat::config().headless && d.window && !d.unseen;
    if (desktop) {
        if (d.screenshot_wanted) take_screenshot();
        // The picture goes to the window before the wait, so the present itself is quick.
        int ww, wh;
        drawable_size(ww, wh);
        plat::present_picture(ww, wh, PlacePicture(ww, wh, plat::config().settings.scale));
    }
    if (d.unseen) {
        d.next = plat::now_ms();
    } else if (sync == -1) {
        d.next += d.period;
        d.accumulator += d.remainder;
        if (d.accumulator >= d.hertz) {
            d.accumulator -= d.hertz;
            d.next += 1;
        }
        int now = plat::now_ms();
        if (d.next > now) {
            wait_for(d.next);
        } else {
            d.next = now;  // a slow frame does not cause a burst of fast ones
        }
    }
    ++d.frames;
    d.delay_streak = 0;
    d.stalled_ms = 0;
    plat::input_tap_frame(d.frames);
    if (d.flip_hook) d.flip_hook(d.frames);
    if (desktop) {
        SDL_GL_SwapWindow(d.window);
        plat::host_presented();
    } else if (plat::config().headless && plat::config().draw) {
        plat::renderer_end_frame();
    }
}

void SetFramePace(int percent) {
    const FrameSchedule schedule = PacedSchedule(d.designed_hertz, percent);
    d.pace = percent;
    // The same pace again changes nothing, so the designed schedule runs on undisturbed.
    if (schedule.rate == d.hertz) return;
    d.hertz = schedule.rate;
    d.period = schedule.period;
    d.remainder = schedule.remainder;
    d.accumulator = 0;
}

int FramePace() {
    return d.pace;
}

void SetFlipsUnseen(bool unseen) {
    d.unseen = unseen;
    // A picture nobody sees is drawn only if a grab or a screenshot reads it.
    plat::renderer_defer(unseen);
}

void SetWindowIcon(TImage* image, int frame) {
    if (plat::config().headless || !d.window || !image || frame < 0 ||
        frame >= static_cast<int>(image->frames.size()))
        return;
    std::vector<uint32_t> pixels = image->frames[static_cast<size_t>(frame)].rgba;
    if (pixels.empty()) return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        pixels.data(), image->width, image->height, 32, image->width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!icon) return;  // no icon is no reason to stop
    SDL_SetWindowIcon(d.window, icon);
    SDL_FreeSurface(icon);
}

int MilliSecs() {
    return plat::now_ms();
}

void Delay(int ms) {
    if (ms < 0) return;
    if (!plat::config().headless) {
        plat::host_sleep(ms);
        return;
    }
    plat::advance_clock(ms);
    // Two waits in a row without a presented frame: the game is waiting for input, so the
    // script's next moment arrives now. A wait no script line can end is reported.
    if (plat::input_tap_answering()) return;
    if (++d.delay_streak >= 2 && !plat::input_pull_next_group()) {
        d.stalled_ms += ms;
        if (d.stalled_ms > 100000) {
            if (d.stall_hook) d.stall_hook();
            std::fprintf(stderr,
                         "varnoth-sim: the game waits for input that the script never gives\n");
            std::exit(3);
        }
    }
}

void HideMouse() {
    if (!plat::config().headless) SDL_ShowCursor(SDL_DISABLE);
}

void ShowMouse() {
    if (!plat::config().headless) SDL_ShowCursor(SDL_ENABLE);
}

void End() {
    plat::save_settings_at_exit();
    plat::audio_shutdown();
    plat::input_reset_devices();
    if (d.context) SDL_GL_DeleteContext(d.context);
    if (d.window) SDL_DestroyWindow(d.window);
    SDL_Quit();
    std::exit(0);
}

void DeliverKey(const std::string& sdl_key_name, bool down) {
    key_event(SDL_GetKeyFromName(sdl_key_name.c_str()),
              SDL_GetScancodeFromName(sdl_key_name.c_str()), false, down);
}
