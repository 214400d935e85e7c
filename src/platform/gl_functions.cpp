// SPDX-License-Identifier: GPL-3.0-or-later
// Looks up the OpenGL functions beyond 1.1 through SDL, which asks WGL, GLX or EGL, whichever
// made the context.
#include "platform/gl_functions.h"

#include <SDL2/SDL.h>

#include <cstdio>

// Each name below is one of the header's macros, so it spells the qualified pointer.
#define VARNOTH_GL_DEFINE(type, name) type name = nullptr;
VARNOTH_GL_FUNCTIONS(VARNOTH_GL_DEFINE)
#undef VARNOTH_GL_DEFINE

namespace plat {

bool load_gl_functions() {
    bool complete = true;
    // name expands to the pointer, #name spells the OpenGL function looked up.
#define VARNOTH_GL_LOAD(type, name)                                           \
    name = reinterpret_cast<type>(SDL_GL_GetProcAddress(#name));              \
    if (!name) {                                                              \
        std::fprintf(stderr, "varnoth: the OpenGL driver lacks %s\n", #name); \
        complete = false;                                                     \
    }
    VARNOTH_GL_FUNCTIONS(VARNOTH_GL_LOAD)
#undef VARNOTH_GL_LOAD
    return complete;
}

}  // namespace plat
