// SPDX-License-Identifier: GPL-3.0-or-later
// The browser host: WebGL 2 on the page's canvas, full screen as the page keeps it, and waits
// that hand control back to the browser (the program is built with Asyncify, so a wait unwinds
// to the browser's event loop and the game carries on where it stopped when the time is up).
#include <SDL2/SDL.h>
#include <emscripten.h>

#include <filesystem>
#include <string>

#include "platform/host.h"
#include "platform/internal.h"

namespace {
// The page shows a line for a while (index.html).
EM_JS(void, page_notice, (const char* line), {
    if (Module['varnothNotice']) Module['varnothNotice'](UTF8ToString(line));
});
// index.html keeps full screen.
EM_JS(void, page_set_fullscreen, (int on), {
    if (Module['varnothFullscreen']) Module['varnothFullscreen'](on);
});
EM_JS(int, page_fullscreen, (),
      { return document.fullscreenElement || document.webkitFullscreenElement ? 1 : 0; });
}  // namespace

namespace plat {

const char* glsl_prelude() {
    return "#version 300 es\nprecision highp float;\n";
}

void request_gl_context() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
}

// The canvas takes the size the page gives it, in the screen's own pixels, and the game places
// and scales the picture in it as in a desktop window. Full screen is the page's (see below):
// SDL's would take the canvas alone, without the page's buttons.
uint32_t window_flags(uint32_t wanted) {
    return (wanted & ~static_cast<uint32_t>(SDL_WINDOW_FULLSCREEN_DESKTOP)) | SDL_WINDOW_RESIZABLE |
           SDL_WINDOW_ALLOW_HIGHDPI;
}

// The whole page goes full screen, buttons and all; the browser grants it only close to a key
// press or a tap, which the game's own requests (F11, Alt+Enter, the options) follow at once.
bool host_set_fullscreen(bool on) {
    page_set_fullscreen(on ? 1 : 0);
    return true;
}

// The player may leave full screen by the browser's own means (Escape), so the page is asked.
bool host_fullscreen(bool) {
    return page_fullscreen() != 0;
}

void host_sleep(int ms) {
    emscripten_sleep(static_cast<unsigned>(ms > 0 ? ms : 0));
}

// The frame wait's sleep: the page runs only while the game sleeps.
void sleep_about(double ms) {
    host_sleep(static_cast<int>(ms));
}

// The browser shows the canvas only once control returns to it, even when the game is late
// and has no time left to wait.
void host_presented() {
    emscripten_sleep(0);
}

bool host_takes_players_files() {
    return false;
}

void host_notice(const std::string& line) {
    page_notice(line.c_str());
}

}  // namespace plat

// A file dropped onto the page: the page has put it, alone, into this folder (index.html).
extern "C" EMSCRIPTEN_KEEPALIVE void varnoth_file_dropped() {
    std::error_code error;
    std::filesystem::directory_iterator it("/dropped", error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (it->is_regular_file(error)) plat::file_dropped(it->path().string());
    }
}
