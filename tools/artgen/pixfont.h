// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap fonts read from the pixel-art text files under assets/art: one glyph per block,
// a "glyph C" line followed by rows of '#' (ink) and '.' (empty), all glyphs equally tall.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"

namespace artgen {

struct Glyph {
    int width = 0;
    std::vector<std::string> rows;  // '#' marks ink
};

class PixFont {
  public:
    // Throws ArtError with "file:line: reason" for a malformed file.
    static PixFont load(const std::string& path);

    int height() const { return height_; }
    const Glyph& glyph(char ch) const;
    // Width in pixels of text drawn at the given scale with `gap` empty columns between glyphs.
    int text_width(std::string_view text, int scale, int gap = 1) const;
    // Draws text with its top-left at (x, y); colour(px, py) gives the ink of each glyph pixel
    // in glyph-space coordinates of the whole line (0..width, 0..height * scale).
    template <class F>
    void draw(Canvas& c, int x, int y, std::string_view text, int scale, F colour,
              int gap = 1) const {
        int cx = 0;
        for (char ch : text) {
            const Glyph& g = glyph(ch);
            for (int r = 0; r < height_; ++r)
                for (int col = 0; col < g.width; ++col)
                    if (g.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)] == '#')
                        for (int sy = 0; sy < scale; ++sy)
                            for (int sx = 0; sx < scale; ++sx) {
                                int px = cx + col * scale + sx, py = r * scale + sy;
                                c.set(x + px, y + py, colour(px, py));
                            }
            cx += (g.width + gap) * scale;
        }
    }
    void draw(Canvas& c, int x, int y, std::string_view text, int scale, Rgb col,
              int gap = 1) const {
        draw(
            c, x, y, text, scale, [col](int, int) { return col; }, gap);
    }

  private:
    int height_ = 0;
    std::map<char, Glyph> glyphs_;
    std::string path_;
};

}  // namespace artgen
