// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop host: OpenGL 3.3 core in a window of its own, plain sleeping waits.
#include <SDL2/SDL.h>

#include <cstdio>

#include "platform/host.h"

namespace plat {

const char* glsl_prelude() {
    return "#version 330 core\n";
}

void request_gl_context() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
}

uint32_t window_flags(uint32_t wanted) {
    return wanted;
}

bool host_set_fullscreen(bool) {
    return false;
}

bool host_fullscreen(bool own) {
    return own;
}

void host_sleep(int ms) {
    SDL_Delay(static_cast<Uint32>(ms));
}

void host_presented() {}

bool host_takes_players_files() {
    return true;
}

void host_notice(const std::string& line) {
    std::fprintf(stderr, "varnoth: %s\n", line.c_str());
}

}  // namespace plat
