// SPDX-License-Identifier: GPL-3.0-or-later
// Image fonts: a TrueType font rasterised once by FreeType at a pixel size into an atlas of
// glyphs, drawn glyph by glyph through the drawing state. TextWidth is the sum of advances.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "platform/internal.h"

namespace {

constexpr int kAtlasW = 512;

// Glyphs are packed left to right in shelves.
struct Packer {
    int x = 1, y = 1, shelf = 0;
    bool place(int w, int h, int& ox, int& oy) {
        if (x + w + 1 > kAtlasW) x = 1, y += shelf + 1, shelf = 0;
        ox = x, oy = y;
        x += w + 1;
        shelf = std::max(shelf, h);
        return true;
    }
};

}  // namespace

TImageFont* LoadImageFont(const std::string& url, int size, int style) {
    std::vector<uint8_t> bytes;
    if (size <= 0 || !plat::read_all(url, bytes)) return nullptr;
    FT_Library lib;
    if (FT_Init_FreeType(&lib)) return nullptr;
    FT_Face face;
    if (FT_New_Memory_Face(lib, bytes.data(), static_cast<FT_Long>(bytes.size()), 0, &face)) {
        FT_Done_FreeType(lib);
        return nullptr;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size));
    auto* font = new TImageFont;
    font->size = size;
    int ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    font->height = static_cast<int>((face->size->metrics.height + 63) >> 6);
    bool smooth = (style & 4) != 0;

    struct Bitmap {
        int w, h;
        std::vector<uint8_t> px;
    };
    std::vector<Bitmap> bitmaps(256);
    Packer packer;
    for (int c = 32; c < 256; ++c) {
        FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(c));
        if (index == 0 && c != 32) continue;
        FT_Int32 load = FT_LOAD_RENDER | (smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
        if (FT_Load_Glyph(face, index, load)) continue;
        FT_GlyphSlot slot = face->glyph;
        Glyph& g = font->glyphs[c];
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        g.left = slot->bitmap_left;
        g.top = ascender - slot->bitmap_top;
        g.width = static_cast<int>(slot->bitmap.width);
        g.height = static_cast<int>(slot->bitmap.rows);
        Bitmap& bm = bitmaps[c];
        bm.w = g.width, bm.h = g.height;
        bm.px.assign(static_cast<size_t>(bm.w) * bm.h, 0);
        for (int row = 0; row < bm.h; ++row) {
            const unsigned char* src = slot->bitmap.buffer + row * slot->bitmap.pitch;
            for (int col = 0; col < bm.w; ++col) {
                uint8_t v = slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                ? ((src[col / 8] >> (7 - col % 8)) & 1 ? 255 : 0)
                                : src[col];
                bm.px[static_cast<size_t>(row) * bm.w + col] = v;
            }
        }
        if (g.width > 0) packer.place(g.width, g.height, g.atlas_x, g.atlas_y);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);

    font->atlas_w = kAtlasW;
    font->atlas_h = packer.y + packer.shelf + 2;
    font->coverage.assign(static_cast<size_t>(font->atlas_w) * font->atlas_h, 0);
    for (int c = 32; c < 256; ++c) {
        const Glyph& g = font->glyphs[c];
        const Bitmap& bm = bitmaps[c];
        for (int row = 0; row < bm.h; ++row)
            std::copy(bm.px.begin() + row * bm.w, bm.px.begin() + (row + 1) * bm.w,
                      font->coverage.begin() + static_cast<long>(g.atlas_y + row) * font->atlas_w +
                          g.atlas_x);
    }
    return font;
}

namespace plat {

// Before the game sets its own font, text still draws: every printable character is a small
// outlined box, enough to see where text goes.
TImageFont* default_font() {
    static TImageFont* font = [] {
        auto* f = new TImageFont;
        f->size = 8;
        f->height = 8;
        f->atlas_w = 8;
        f->atlas_h = 8;
        f->coverage.assign(64, 0);
        for (int i = 0; i < 6; ++i) {
            f->coverage[static_cast<size_t>(1 * 8 + 1 + i)] = 255;
            f->coverage[static_cast<size_t>(7 * 8 + 1 + i)] = 255;
        }
        for (int j = 1; j < 8; ++j) {
            f->coverage[static_cast<size_t>(j * 8 + 1)] = 255;
            f->coverage[static_cast<size_t>(j * 8 + 6)] = 255;
        }
        for (int c = 32; c < 256; ++c) {
            Glyph& g = f->glyphs[c];
            g.advance = 8;
            if (c > 32 && c != 160) g.width = 8, g.height = 8;
        }
        return f;
    }();
    return font;
}

}  // namespace plat

int TextWidth(const std::string& text) {
    TImageFont* font = plat::draw_state().font ? plat::draw_state().font : plat::default_font();
    int w = 0;
    for (unsigned char c : text) w += font->glyphs[c].advance;
    return w;
}

int TextHeight(const std::string&) {
    TImageFont* font = plat::draw_state().font ? plat::draw_state().font : plat::default_font();
    return font->height;
}
