// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon for desktops and software centres: the hero's carved pumpkin drawn anew at
// each small size (so every size is crisp pixel art), and the large sizes enlarged from the
// 64-pixel drawing by whole pixels.
#include "icons.h"

#include <filesystem>
#include <string>

#include "frames.h"
#include "png_out.h"

namespace artgen {

namespace {

constexpr int kLargestDrawn = 64;

}  // namespace

Canvas program_icon(int size) {
    if (size > kLargestDrawn && size % kLargestDrawn == 0)
        return program_icon(kLargestDrawn).enlarged(size / kLargestDrawn);
    // The pumpkin with its stem spans the cell from top to bottom; a little downward shift
    // centres it, and the one-pixel rind fits inside the picture at every size.
    const CellView view{size, static_cast<float>(size) / kCell, -1.0f};
    return pumpkin(true, view);
}

void write_icons(const std::filesystem::path& dir) {
    for (int size : kIconSizes) {
        const std::string px = std::to_string(size);
        const std::filesystem::path apps = dir / (px + "x" + px) / "apps";
        std::filesystem::create_directories(apps);
        write_png((apps / "varnoth.png").string(), program_icon(size), true);
    }
}

}  // namespace artgen
