// SPDX-License-Identifier: GPL-3.0-or-later
// Shared insides of the platform layer: the image and font records, the drawing state, and the
// hooks by which the display, renderer, input and audio files reach each other. Nothing outside
// src/platform includes this.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/platform.h"
#include "platform/scaling.h"
#include "platform/settings.h"

namespace plat {

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;

// One frame of an image: RGBA pixels (alpha 0 or 255 after masking) and, for the collision
// test, one bit per pixel whose alpha is 128 or more.
struct Frame {
    std::vector<uint32_t> rgba;  // R in the lowest byte
    std::vector<uint64_t> rows;  // solid bits, ((width + 63) / 64) words per row
    bool dirty = true;           // texture needs an upload
};

}  // namespace plat

struct TImage {
    int width = 0;
    int height = 0;
    int flags = 0;
    float handle_x = 0;
    float handle_y = 0;
    std::vector<plat::Frame> frames;
    unsigned texture = 0;  // one texture holding all frames stacked downwards
    int words_per_row() const { return (width + 63) / 64; }
};

struct Glyph {
    int width = 0, height = 0;  // bitmap size
    int left = 0, top = 0;      // offset of the bitmap from the pen (top: from the line top)
    int advance = 0;
    int atlas_x = 0, atlas_y = 0;  // position in the font's atlas
};

struct TImageFont {
    int size = 0;
    int height = 0;
    std::array<Glyph, 256> glyphs{};
    int atlas_w = 0, atlas_h = 0;
    std::vector<uint8_t> coverage;  // atlas_w * atlas_h, 0..255
    unsigned texture = 0;
    bool uploaded = false;
};

namespace plat {

struct DrawState {
    int r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    int cls_r = 0, cls_g = 0, cls_b = 0;
    float rot = 0, sx = 1, sy = 1;
    float ix = 1, iy = 0, jx = 0, jy = 1;
    bool plain = true;  // the matrix is the identity: neither turned nor scaled
    float origin_x = 0, origin_y = 0;
    int blend = 1;
    TImageFont* font = nullptr;
};
// A plain object, not a function's static: every draw and every sprite of a frame reads it.
extern DrawState g_draw_state;
inline DrawState& draw_state() {
    return g_draw_state;
}

// Options chosen by PlatformUse*.
struct Config {
    bool headless = false;
    bool draw = true;
    bool real_audio = true;
    std::string audio_driver;
    HeadlessOptions options;
    // The desktop program's settings in force, and those the file keeps (without the command
    // line's choices for this run), written at exit when `settings_path` is set.
    Settings settings;
    Settings saved;
    std::string settings_path;
};
Config& config();

// Image helpers (image.cpp).
void build_masks(Frame& frame, int width, int height);
void apply_mask_colour(Frame& frame);
TImage* new_image(int width, int height, int frames, int flags);

// PNG (png_io.cpp).
bool decode_png(const std::vector<uint8_t>& bytes, int& width, int& height,
                std::vector<uint32_t>& rgba);

// True when the bytes are a whole Ogg file: every page in place with a good checksum, from the
// first page to the last, and every Vorbis codebook a whole prefix code (ogg_pages.cpp).
bool ogg_whole(const std::vector<uint8_t>& bytes);

// Bytes of a file or embedded resource (streams.cpp).
bool read_all(const std::string& url, std::vector<uint8_t>& bytes);

// fopen for UTF-8 paths (files_posix.cpp, files_windows.cpp, which also hold RenameOver).
FILE* open_file(const std::string& path, const char* mode);
// A UTF-8 path as std::filesystem and the file streams take it: on Windows a narrow path
// would be read in the local code page.
std::filesystem::path fs_path(const std::string& path);

// Sleeps for about `ms` milliseconds, never more than a millisecond too long, for the precise
// wait, which spins the rest (sleep_posix.cpp, sleep_windows.cpp).
void sleep_about(double ms);

// Renderer (renderer.cpp): OpenGL when drawing, a command record otherwise.
bool renderer_init();
void renderer_clear();
// While on, what is drawn waits instead of being drawn: a clear throws it away, and it is drawn
// only when something reads the back buffer or draws for real after it (SetFlipsUnseen).
void renderer_defer(bool defer);
void renderer_draw_image(TImage* image, int frame, float x, float y);
void renderer_draw_glyphs(TImageFont* font, const std::string& text, float x, float y);
void renderer_draw_rect(float x, float y, float w, float h);
void renderer_grab(TImage* image, int x, int y, int frame);
// Lets go of everything the renderer holds of an image about to be deleted.
void renderer_forget(TImage* image);
bool renderer_read(std::vector<uint8_t>& rgb);
// The back buffer's framebuffer and colour texture, with every queued draw in it; false when
// nothing is drawn (no-draw mode).
bool renderer_picture(unsigned& framebuffer, unsigned& texture);
// The back buffer has gone to the window: what is drawn from now on is a new picture.
void renderer_presented();

// Presenting (present.cpp): puts the picture into the window's rectangle on black and waits
// until the window's picture is finished.
void present_picture(int window_w, int window_h, const PictureRect& rect);
void renderer_flush();
// True when nothing has been drawn since the last present: the back buffer is the picture on
// the screen (a pause, a wait for input).
bool renderer_shows_last_present();
// Hands a headless frame to the driver, which has no swap to learn of it from.
void renderer_end_frame();

// A file the player dropped onto the window or the page (dropped_files.cpp).
void file_dropped(const std::string& path);

// Display (display.cpp).
void pump_events();  // every input query calls this first
// Full screen and vertical sync follow new settings at once (scaling is read every frame).
void display_apply(const Settings& before, const Settings& now);
void screen_to_picture(int wx, int wy, int& px, int& py);
void picture_to_screen(int px, int py, int& wx, int& wy);

// Input (input.cpp).
// Tells the input tap of a presented frame (Flip, before the runner's hook).
void input_tap_frame(int number);
// True while a replay's playback answers the game's reads.
bool input_tap_answering();
void input_key_event(int vk, bool down);
void input_mouse_button(int button, bool down);
void input_mouse_move(int x, int y);
void input_mouse_wheel(int notches);
void input_text(const std::string& utf8);
void input_close_request();
void input_set_suspended(bool suspended);
bool input_suspended();
void input_joy_refresh();
void input_before_query();
bool input_pull_next_group();
void input_joy_device_event();
void input_reset_devices();
// The scripted joystick: an axis at a value, one of the game's buttons, the pad unplugged or
// plugged in again (an unplugged pad releases everything and presses nothing).
void input_script_axis(bool horizontal, float value);
void input_script_button(int button, bool down);
void input_script_pad_plugged(bool plugged);
// True once after the pad in use was unplugged.
bool input_take_pad_unplugged();
// The kind of pad read now: 0 none, 1 a game controller, 2 a plain joystick.
int input_pad_kind();
// The device state and the scripted events still queued, for SavePlatformState.
struct SavedInput {
    std::vector<unsigned char> devices;
    std::vector<InputEvent> queue;
};
SavedInput input_save();
void input_load(const SavedInput& saved);

// Audio (audio.cpp).
bool audio_init();
void audio_advance(int now_ms);
void audio_shutdown();
// The player's effects and music volumes, 0..100, over every channel's own volume.
void audio_set_volumes(int effects_percent, int music_percent);

// Clock (display.cpp).
int now_ms();
void advance_clock(int ms);
// The virtual clock, the frame count and the pacing of Flip, for SavePlatformState.
struct SavedClock {
    int virtual_ms = 0, frames = 0, delay_streak = 0, stalled_ms = 0, next = 0, accumulator = 0;
};
SavedClock clock_save();
void clock_load(const SavedClock& saved);

// The player's settings at exit (settings.cpp's file, written by End on the desktop).
void save_settings_at_exit();

// The default font used before SetImageFont.
TImageFont* default_font();

}  // namespace plat
