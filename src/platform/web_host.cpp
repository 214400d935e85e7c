// SPDX-License-Identifier: GPL-3.0-or-later
// The browser host: WebGL 2 on the page's canvas, and waits that hand control back to the
// browser (the program is built with Asyncify, so a wait unwinds to the browser's event loop
// and the game carries on where it stopped when the time is up).
#include <SDL2/SDL.h>
#include <emscripten.h>

#include "platform/host.h"
#include "platform/internal.h"

namespace plat {

const char* glsl_prelude() {
    return "#version 300 es\nprecision highp float;\n";
}

void request_gl_context() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
}

// The canvas keeps the game's 640 x 480 and the page scales it: a full-screen request outside
// a key press or click would only be refused by the browser, and a resizable canvas would
// follow the page instead of the page's scaling.
uint32_t window_flags(uint32_t wanted) {
    return wanted & ~static_cast<uint32_t>(SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_RESIZABLE);
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

}  // namespace plat
