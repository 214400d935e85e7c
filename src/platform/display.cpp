// The display and the frame: opening the window (or the offscreen context), event processing,
// full screen and window switching, the clock, frame pacing and presentation, for both the
// desktop and the headless backend.
#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/host.h"
#include "platform/internal.h"

namespace {

struct Display {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool open = false;
    bool fullscreen = true;
    std::string title = "Varnoth";
    // Pacing of Flip(-1).
    int period = 16, remainder = 40, accumulator = 0, hertz = 60, next = 0;
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

void key_event(const SDL_KeyboardEvent& k, bool down) {
    int vk = vk_from_scancode(k.keysym.scancode);
    if (vk < 0) return;
    if (!k.repeat || !down) plat::input_key_event(vk, down);
    // The generic Shift, Control and Alt keys follow their left and right keys.
    if (vk == 160 || vk == 161) plat::input_key_event(16, down);
    if (vk == 162 || vk == 163) plat::input_key_event(17, down);
    if (vk == 164 || vk == 165) plat::input_key_event(18, down);
}

void toggle_fullscreen() {
    if (!d.window) return;
    d.fullscreen = !d.fullscreen;
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

void drawable_size(int& w, int& h) {
    w = plat::kScreenW, h = plat::kScreenH;
    if (d.window && !plat::config().headless) SDL_GL_GetDrawableSize(d.window, &w, &h);
}

void open_gl_window(Uint32 flags, int w, int h) {
    plat::request_gl_context();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    d.window = SDL_CreateWindow(d.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w,
                                h, plat::window_flags(flags) | SDL_WINDOW_OPENGL);
    if (!d.window) fail("cannot open the display", SDL_GetError());
    d.context = SDL_GL_CreateContext(d.window);
    if (!d.context) fail("no OpenGL 3.3 context", SDL_GetError());
    SDL_GL_SetSwapInterval(0);  // presenting does not wait for the vertical blank
    if (!plat::renderer_init()) fail("cannot set up drawing", "shader or framebuffer failed");
}

}  // namespace

namespace plat {

Config& config() {
    static Config c;
    return c;
}

int now_ms() {
    return config().headless ? d.virtual_ms : static_cast<int>(SDL_GetTicks());
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

void picture_rect(int ww, int wh, int& ox, int& oy, int& w, int& h) {
    // The largest whole factor that fits, centred on black; a window smaller than the picture
    // shrinks it to fit instead.
    int k = std::min(ww / kScreenW, wh / kScreenH);
    if (k >= 1) {
        w = kScreenW * k, h = kScreenH * k;
    } else {
        float f = std::min(static_cast<float>(ww) / kScreenW, static_cast<float>(wh) / kScreenH);
        w = std::max(1, static_cast<int>(kScreenW * f)),
        h = std::max(1, static_cast<int>(kScreenH * f));
    }
    ox = (ww - w) / 2, oy = (wh - h) / 2;
}

void screen_to_picture(int wx, int wy, int& px, int& py) {
    int ww = kScreenW, wh = kScreenH;
    if (d.window) SDL_GetWindowSize(d.window, &ww, &wh);
    int ox, oy, w, h;
    picture_rect(ww, wh, ox, oy, w, h);
    px = (wx - ox) * kScreenW / w;
    py = (wy - oy) * kScreenH / h;
}

void picture_to_screen(int px, int py, int& wx, int& wy) {
    int ww = kScreenW, wh = kScreenH;
    if (d.window) SDL_GetWindowSize(d.window, &ww, &wh);
    int ox, oy, w, h;
    picture_rect(ww, wh, ox, oy, w, h);
    wx = ox + px * w / kScreenW;
    wy = oy + py * h / kScreenH;
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
                key_event(e.key, true);
                break;
            case SDL_KEYUP:
                key_event(e.key, false);
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
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                    e.window.event == SDL_WINDOWEVENT_MINIMIZED)
                    input_set_suspended(true);
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                    e.window.event == SDL_WINDOWEVENT_RESTORED)
                    input_set_suspended(false);
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
bool PlatformDrawing() {
    return plat::config().draw;
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
    d.hertz = hertz > 0 ? hertz : 60;
    d.period = 1000 / d.hertz;
    d.remainder = 1000 - d.period * d.hertz;
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
        Uint32 window_flags = depth == 0 ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_FULLSCREEN_DESKTOP;
        d.fullscreen = depth != 0;
        open_gl_window(window_flags | SDL_WINDOW_RESIZABLE, width, height);
        plat::input_joy_device_event();
    }
    plat::audio_init();
    d.open = true;
    d.next = plat::now_ms();
}

void Flip(int sync) {
    plat::renderer_flush();
    if (sync == -1) {
        d.next += d.period;
        d.accumulator += d.remainder;
        if (d.accumulator >= d.hertz) {
            d.accumulator -= d.hertz;
            d.next += 1;
        }
        int now = plat::now_ms();
        if (d.next > now) {
            if (plat::config().headless)
                plat::advance_clock(d.next - now);
            else
                plat::host_sleep(d.next - now);
        } else {
            d.next = now;  // a slow frame does not cause a burst of fast ones
        }
    }
    ++d.frames;
    d.delay_streak = 0;
    d.stalled_ms = 0;
    if (d.flip_hook) d.flip_hook(d.frames);
    if (!plat::config().headless && d.window) {
        int ww, wh, ox, oy, w, h;
        drawable_size(ww, wh);
        plat::picture_rect(ww, wh, ox, oy, w, h);
        plat::renderer_present(ww, wh, ox, oy, w, h);
        SDL_GL_SwapWindow(d.window);
        plat::host_presented();
    } else if (plat::config().headless && plat::config().draw) {
        plat::renderer_end_frame();
    }
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

void End() {
    plat::audio_shutdown();
    plat::input_reset_devices();
    if (d.context) SDL_GL_DeleteContext(d.context);
    if (d.window) SDL_DestroyWindow(d.window);
    SDL_Quit();
    std::exit(0);
}
