// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows API for the few platform files that call it, without the min and max macros
// that would break the C++ library and without the parts of it the game never uses.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which it needs: the command line read as wide text.
#include <shellapi.h>

#include <string>

namespace plat {
// A UTF-8 string as the wide functions take it; "" for an empty one or one the system cannot
// convert (files_windows.cpp).
std::wstring wide(const std::string& utf8);
}  // namespace plat
