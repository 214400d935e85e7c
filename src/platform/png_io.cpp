// SPDX-License-Identifier: GPL-3.0-or-later
// PNG reading and writing through libpng: sprite sheets and logo in, screenshots out.
#include <png.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/internal.h"

namespace {
// Far above any picture of the game (the largest sheet is 640 pixels wide), far below what a
// damaged header may claim: 30000 x 30000 would ask for 3.6 GB before a single row is read.
constexpr png_uint_32 kMaxSide = 4096;
}  // namespace

namespace plat {

bool decode_png(const std::vector<uint8_t>& bytes, int& width, int& height,
                std::vector<uint32_t>& rgba) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
    if (image.width > kMaxSide || image.height > kMaxSide) {
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    rgba.assign(static_cast<size_t>(width) * height, 0);
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    return true;
}

}  // namespace plat

bool WritePng(const std::string& path, const std::vector<uint8_t>& rgb, int width, int height) {
    if (rgb.size() < static_cast<size_t>(width) * height * 3) return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    // Written to a temporary name first so that a failed write never leaves half a picture.
    std::string tmp = path + ".part";
    FILE* f = plat::open_file(tmp, "wb");
    if (!f) return false;
    bool written = png_image_write_to_stdio(&image, f, 0, rgb.data(), 0, nullptr) != 0;
    written = std::fclose(f) == 0 && written;
    if (!written || !RenameOver(tmp, path)) {
        std::error_code ignored;
        std::filesystem::remove(plat::fs_path(tmp), ignored);
        return false;
    }
    return true;
}
