// SPDX-License-Identifier: GPL-3.0-or-later
// Text on the added screens in the game's own manner (a black shadow under the colour),
// scaled, aligned, and made smaller where it would not fit its room.
#pragma once

#include <string>

struct TextColour {
    int r, g, b;
};
inline constexpr TextColour kWhite{255, 255, 255};
inline constexpr TextColour kYellow{255, 255, 0};
inline constexpr TextColour kPaleYellow{190, 190, 120};
inline constexpr TextColour kCyan{0, 250, 250};
inline constexpr TextColour kGreen{10, 220, 10};
inline constexpr TextColour kOrange{255, 170, 40};
inline constexpr TextColour kGrey{130, 130, 130};
inline constexpr TextColour kLightGrey{175, 175, 175};

enum class TextAlign { kLeft, kCentre, kRight };

// Draws `text` with its top at `y`, placed by `x` as `align` says, at `scale`; with a
// `max_width` it shrinks to fit that many pixels.
void draw_options_text(int x, int y, TextColour colour, const std::string& text, float scale,
                       TextAlign align, int max_width = 0);
// The width `text` takes at `scale`.
int options_text_width(const std::string& text, float scale);
