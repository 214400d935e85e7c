// SPDX-License-Identifier: GPL-3.0-or-later
// Parser of the pixel-art font files. Blank lines and lines starting with ';' are ignored;
// every problem is reported with the file name and line number.
#include "pixfont.h"

#include <fstream>

#include "art_error.h"

namespace artgen {

namespace {
ArtError fail(const std::string& path, int line, const std::string& why) {
    return ArtError(path + ":" + std::to_string(line) + ": " + why);
}
}  // namespace

PixFont PixFont::load(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw ArtError(path + ": cannot open font file");
    PixFont font;
    font.path_ = path;
    std::string text;
    int line = 0, glyph_line = 0;
    char current = 0;
    bool open = false;
    auto finish = [&]() {
        if (!open) return;
        Glyph& g = font.glyphs_[current];
        int h = static_cast<int>(g.rows.size());
        if (h == 0) throw fail(path, glyph_line, "glyph without rows");
        if (font.height_ == 0) font.height_ = h;
        if (h != font.height_)
            throw fail(path, glyph_line,
                       "glyph is " + std::to_string(h) + " rows tall, expected " +
                           std::to_string(font.height_));
        open = false;
    };
    while (std::getline(in, text)) {
        ++line;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text[0] == ';') continue;
        if (text.rfind("glyph ", 0) == 0) {
            finish();
            std::string name = text.substr(6);
            if (name == "space") name = " ";
            if (name.size() != 1) throw fail(path, line, "glyph name must be one character");
            current = name[0];
            if (font.glyphs_.count(current)) throw fail(path, line, "glyph defined twice");
            font.glyphs_[current] = Glyph{};
            open = true;
            glyph_line = line;
            continue;
        }
        if (!open) throw fail(path, line, "pixel row outside a glyph");
        if (text.find_first_not_of("#.") != std::string::npos)
            throw fail(path, line, "rows may contain only '#' and '.'");
        Glyph& g = font.glyphs_[current];
        if (g.rows.empty()) g.width = static_cast<int>(text.size());
        if (static_cast<int>(text.size()) != g.width)
            throw fail(path, line, "row width differs from the glyph's first row");
        g.rows.push_back(text);
    }
    finish();
    if (font.glyphs_.empty()) throw ArtError(path + ": no glyphs");
    return font;
}

const Glyph& PixFont::glyph(char ch) const {
    auto it = glyphs_.find(ch);
    if (it == glyphs_.end()) throw ArtError(path_ + ": no glyph for '" + std::string(1, ch) + "'");
    return it->second;
}

int PixFont::text_width(std::string_view text, int scale, int gap) const {
    int w = 0;
    for (char ch : text) w += (glyph(ch).width + gap) * scale;
    return text.empty() ? 0 : w - gap * scale;
}

}  // namespace artgen
