// SPDX-License-Identifier: GPL-3.0-or-later
// Assembly of the two sprite sheets in the layout the game cuts them by, and of the contact
// sheet for reviewing every frame enlarged three times with its number.
#include <string>

#include "pictures.h"
#include "shapes.h"

namespace artgen {

Canvas compose_sheet1(const Frames& f, const Canvas& title, const Canvas& strip) {
    Canvas sheet(640, 480);
    for (int i = 0; i < kFrames; ++i)
        sheet.blit(f[static_cast<std::size_t>(i)], sheet1_x(i), sheet1_y(i));
    sheet.blit(title, kTitleX, kTitleY);
    sheet.blit(strip, kStripX, kStripY);
    return sheet;
}

Canvas compose_sheet2(const Frames2& f) {
    Canvas sheet(288, 42);
    for (int j = 0; j < kFrames2; ++j) sheet.blit(f[static_cast<std::size_t>(j)], sheet2_x(j), 1);
    return sheet;
}

namespace {

constexpr int kZoom = 3, kTile = kCell * kZoom, kPitchX = kTile + 8, kPitchY = kTile + 22;
constexpr int kCols = 12;
constexpr Rgb kBack{44, 44, 56}, kPanel{70, 70, 86}, kLabel{230, 230, 150};

// Draws a picture on a checked panel so that its transparent parts are visible as such.
void panel(Canvas& out, const Canvas& pic, int x, int y, int zoom) {
    for (int py = 0; py < pic.height() * zoom; ++py)
        for (int px = 0; px < pic.width() * zoom; ++px)
            out.set(x + px, y + py, ((px / 6 + py / 6) % 2) ? kPanel : kBack);
    out.blit(pic.enlarged(zoom), x, y);
}

}  // namespace

Canvas contact_sheet(const Frames& f, const Frames2& f2, const Canvas& title, const Canvas& strip,
                     const Canvas& logo, const PixFont& font) {
    const int cells = kFrames + kFrames2, rows = (cells + kCols - 1) / kCols;
    const int grid_h = rows * kPitchY + 8;
    Canvas out(kCols * kPitchX + 8, grid_h + kLogoH * 2 + 24);
    fill_rect(out, 0, 0, out.width(), out.height(), {24, 24, 30});
    for (int n = 0; n < cells; ++n) {
        int x = 8 + (n % kCols) * kPitchX, y = 8 + (n / kCols) * kPitchY;
        std::string label = n < kFrames ? std::to_string(n) : "S2-" + std::to_string(n - kFrames);
        font.draw(out, x, y, label, 2, kLabel);
        const Canvas& pic = n < kFrames ? f[static_cast<std::size_t>(n)]
                                        : f2[static_cast<std::size_t>(n - kFrames)];
        panel(out, pic, x, y + 18, kZoom);
    }
    int y = grid_h;
    panel(out, title, 8, y, 2);
    panel(out, strip, 8 + kTitleW * 2 + 16, y, 2);
    panel(out, logo, 8 + kTitleW * 2 + 16, y + kStripH * 2 + 16, 1);
    return out;
}

}  // namespace artgen
