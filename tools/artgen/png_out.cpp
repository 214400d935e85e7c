// SPDX-License-Identifier: GPL-3.0-or-later
// PNG output through libpng: RGB (or RGBA with black made clear), no interlace, maximum
// compression, no ancillary chunks. The file is written under a temporary name and renamed, so a
// failure never leaves half a PNG.
#include "png_out.h"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "art_error.h"

namespace artgen {

void write_png(const std::string& path, const Canvas& c, bool clear_black) {
    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) throw ArtError(path + ": cannot open for writing");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(f);
        throw ArtError(path + ": cannot start the PNG encoder");
    }
    const std::size_t channels = clear_black ? 4 : 3;
    std::vector<png_byte> rows(static_cast<std::size_t>(c.width() * c.height()) * channels);
    for (std::size_t i = 0; i < c.pixels().size(); ++i) {
        const Rgb& px = c.pixels()[i];
        rows[i * channels] = px.r;
        rows[i * channels + 1] = px.g;
        rows[i * channels + 2] = px.b;
        if (clear_black) rows[i * channels + 3] = px == kClear ? 0 : 255;
    }
    std::vector<png_bytep> row_ptrs(static_cast<std::size_t>(c.height()));
    for (int y = 0; y < c.height(); ++y)
        row_ptrs[static_cast<std::size_t>(y)] =
            &rows[static_cast<std::size_t>(y * c.width()) * channels];

    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        std::filesystem::remove(tmp);
        throw ArtError(path + ": PNG encoding failed");
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(c.width()),
                 static_cast<png_uint_32>(c.height()), 8,
                 clear_black ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, row_ptrs.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    bool ok = std::fflush(f) == 0;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        std::filesystem::remove(tmp);
        throw ArtError(path + ": write failed");
    }
    std::filesystem::rename(tmp, path);
}

}  // namespace artgen
