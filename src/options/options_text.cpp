// SPDX-License-Identifier: GPL-3.0-or-later
// Scaled and aligned shadowed text for the added screens.
#include "options/options_text.h"

#include "platform/platform.h"

int options_text_width(const std::string& text, float scale) {
    return static_cast<int>(static_cast<float>(TextWidth(text)) * scale + 0.5f);
}

void draw_options_text(int x, int y, TextColour colour, const std::string& text, float scale,
                       TextAlign align, int max_width) {
    const int natural = TextWidth(text);
    if (max_width > 0 && natural > 0 && static_cast<float>(natural) * scale > max_width)
        scale = static_cast<float>(max_width) / static_cast<float>(natural);
    const float width = static_cast<float>(natural) * scale;
    float left = static_cast<float>(x);
    if (align == TextAlign::kCentre) left -= width / 2;
    if (align == TextAlign::kRight) left -= width;
    // Smaller text sits lower, so that a shrunk value keeps to the middle of its row.
    const float top =
        static_cast<float>(y) + static_cast<float>(TextHeight(text)) * (1 - scale) / 2;
    float sx = 1, sy = 1;
    GetScale(sx, sy);
    SetScale(scale, scale);
    SetColor(0, 0, 0);
    DrawText(text, left + 2, top + 2);
    SetColor(colour.r, colour.g, colour.b);
    DrawText(text, left, top);
    SetColor(255, 255, 255);
    SetScale(sx, sy);
}
