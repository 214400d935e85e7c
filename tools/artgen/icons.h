// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon at the sizes of the desktop's hicolor icon theme.
#pragma once

#include <filesystem>

#include "canvas.h"

namespace artgen {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// A square picture of the pumpkin, size pixels wide; black is empty.
Canvas program_icon(int size);
// Writes DIR/NxN/apps/varnoth.png for every size, with a transparent background.
void write_icons(const std::filesystem::path& dir);

}  // namespace artgen
