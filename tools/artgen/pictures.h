// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures that are not 40 x 40 frames (title lettering, credits strip, studio logo),
// the assembly of the sheets and the contact sheet, and the self-checks run before writing.
#pragma once

#include "canvas.h"
#include "frames.h"
#include "pixfont.h"

namespace artgen {

constexpr int kTitleW = 275, kTitleH = 126, kTitleX = 358, kTitleY = 330;
constexpr int kStripW = 354, kStripH = 32, kStripX = 2, kStripY = 408;
constexpr int kLogoW = 420, kLogoH = 236;

// The cell of frame i on sheet 1, and of frame j on sheet 2.
inline int sheet1_x(int i) {
    return 1 + 41 * (i % 15);
}
inline int sheet1_y(int i) {
    return 1 + 41 * (i / 15);
}
inline int sheet2_x(int j) {
    return 1 + 41 * j;
}

Canvas title_lettering(const PixFont& letters);
Canvas credits_strip(const PixFont& font);
Canvas studio_logo(const PixFont& font);

Canvas compose_sheet1(const Frames& f, const Canvas& title, const Canvas& strip);
Canvas compose_sheet2(const Frames2& f);
Canvas contact_sheet(const Frames& f, const Frames2& f2, const Canvas& title, const Canvas& strip,
                     const Canvas& logo, const PixFont& font);

// Throws ArtError listing every rule of the game's masks and sheet layout that is broken.
void check_art(const Frames& f, const Frames2& f2, const Canvas& sheet1, const Canvas& sheet2,
               const Canvas& title, const Canvas& strip, const Canvas& logo);

}  // namespace artgen
