// SPDX-License-Identifier: GPL-3.0-or-later
// Markers for the map codes that have no picture of their own (hidden blocks, hidden wall and
// unused codes): a dashed frame with the code number, so a map editor can show them.
#include <string>

#include "frames.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

void draw_editor_icons(Frames& f, const PixFont& font) {
    for (int code : {29, 31, 32, 33, 34, 35, 38, 47, 48, 55, 56, 93}) {
        Canvas& c = f[static_cast<std::size_t>(code)];
        for (int i = 2; i < 38; ++i)
            if ((i / 3) % 2 == 0) {
                c.set(i, 2, pal::kStone3), c.set(i, 37, pal::kStone3);
                c.set(2, i, pal::kStone3), c.set(37, i, pal::kStone3);
            }
        const std::string label = std::to_string(code);
        int w = font.text_width(label, 2);
        font.draw(c, (kCell - w) / 2, 13, label, 2, pal::kStone4);
    }
}

}  // namespace artgen
