// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between a desktop window and a browser page for the display: the OpenGL dialect
// the renderer speaks (OpenGL 3.3 core or WebGL 2, which is OpenGL ES 3.0), the window asked
// for, who keeps full screen, and how waiting works. A browser draws the page only when the program
// gives control back, so there every wait and every presented frame yields to it; the game's loops
// stay loops. host_desktop.cpp and web_host.cpp implement this.
#pragma once

#include <cstdint>
#include <string>

namespace plat {

// The first lines of every shader: the GLSL version (and for OpenGL ES the default precision).
const char* glsl_prelude();
// Sets SDL's attributes for the OpenGL context the renderer needs, before the window opens.
void request_gl_context();
// The SDL window flags to open the game's window with, given those the game asked for.
uint32_t window_flags(uint32_t wanted);
// Full screen where the host keeps it (a browser page): asks for it on or off and returns
// true. False where switching the program's own window is the caller's business.
bool host_set_fullscreen(bool on);
// Whether the game shows full screen now: the host's answer where it keeps full screen, else
// `own`, the program's record.
bool host_fullscreen(bool own);
// Waits `ms` milliseconds of real time.
void host_sleep(int ms);
// Called after a frame is presented.
void host_presented();
// Whether the player can put files of his own beside the game, such as level packs: on the
// desktop, not in a browser page.
bool host_takes_players_files();
// One line for the player outside the picture (ShowNotice).
void host_notice(const std::string& line);

}  // namespace plat
