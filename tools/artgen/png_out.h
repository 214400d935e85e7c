// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a canvas as an 8-bit RGB PNG with fixed settings and no time stamp, so the same
// picture always gives the same bytes.
#pragma once

#include <string>

#include "canvas.h"

namespace artgen {

// Throws ArtError naming the path when the file cannot be written. With clear_black the file
// has an alpha channel in which the canvas's empty (black) pixels are fully transparent.
void write_png(const std::string& path, const Canvas& c, bool clear_black = false);

}  // namespace artgen
