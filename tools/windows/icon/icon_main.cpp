// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-icon SHEET OUT.ico: cuts the hero's pumpkin from the first sprite sheet and writes it
// as a Windows icon in the sizes Explorer and the taskbar ask for. Black is the sheet's
// transparent colour, as in the game.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Where the game cuts its sprite frames (src/shell/media.cpp): 40-pixel frames on a 41-pixel
// pitch, fifteen to a row, one pixel in from the corner; the hero is frame 30.
constexpr int kFrameSize = 40, kPitch = 41, kPerRow = 15, kHeroFrame = 30;

struct Picture {
    int size = 0;
    std::vector<uint32_t> rgba;  // 0xAABBGGRR, top row first
};

bool load_frame(const char* path, Picture& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) return false;
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint32_t> sheet(static_cast<size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, sheet.data(), 0, nullptr)) return false;
    int left = 1 + kPitch * (kHeroFrame % kPerRow), top = 1 + kPitch * (kHeroFrame / kPerRow);
    if (left + kFrameSize > static_cast<int>(image.width) ||
        top + kFrameSize > static_cast<int>(image.height))
        return false;
    out.size = kFrameSize;
    out.rgba.clear();
    for (int y = 0; y < kFrameSize; ++y)
        for (int x = 0; x < kFrameSize; ++x) {
            uint32_t p = sheet[static_cast<size_t>(top + y) * image.width + left + x];
            out.rgba.push_back((p & 0x00ffffffu) == 0 ? 0u : p | 0xff000000u);
        }
    return true;
}

// The frame centred on a square of side `size`, enlarged by a whole factor where it fits and
// reduced by nearest pixel where it does not: pixel art stays sharp.
Picture fit(const Picture& frame, int size) {
    Picture out;
    out.size = size;
    out.rgba.assign(static_cast<size_t>(size) * size, 0);
    int scaled = size >= frame.size ? frame.size * (size / frame.size) : size;
    int offset = (size - scaled) / 2;
    for (int y = 0; y < scaled; ++y)
        for (int x = 0; x < scaled; ++x)
            out.rgba[static_cast<size_t>(y + offset) * size + x + offset] =
                frame.rgba[static_cast<size_t>(y * frame.size / scaled) * frame.size +
                           x * frame.size / scaled];
    return out;
}

void put16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xff);
    s += static_cast<char>((v >> 8) & 0xff);
}
void put32(std::string& s, uint32_t v) {
    put16(s, v & 0xffff);
    put16(s, v >> 16);
}

// One icon image: a 32-bit bitmap, bottom row first, followed by its one-bit AND mask.
std::string bitmap(const Picture& p) {
    std::string s;
    put32(s, 40);
    put32(s, static_cast<uint32_t>(p.size));
    put32(s, static_cast<uint32_t>(p.size * 2));  // colour and mask together
    put16(s, 1);
    put16(s, 32);
    for (int i = 0; i < 6; ++i) put32(s, 0);
    for (int y = p.size - 1; y >= 0; --y)
        for (int x = 0; x < p.size; ++x) {
            uint32_t c = p.rgba[static_cast<size_t>(y) * p.size + x];
            put32(s, (c & 0xff00ff00u) | (c & 0xff) << 16 | (c >> 16 & 0xff));
        }
    int row_bytes = (p.size + 31) / 32 * 4;
    for (int y = p.size - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(row_bytes), '\0');
        for (int x = 0; x < p.size; ++x)
            if (p.rgba[static_cast<size_t>(y) * p.size + x] == 0)
                row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        s += row;
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: varnoth-icon SHEET.png OUT.ico\n");
        return 2;
    }
    Picture frame;
    if (!load_frame(argv[1], frame)) {
        std::fprintf(stderr, "varnoth-icon: cannot read the sprite sheet %s\n", argv[1]);
        return 1;
    }
    const int sizes[] = {16, 32, 48, 256};
    std::vector<std::string> images;
    for (int size : sizes) images.push_back(bitmap(fit(frame, size)));
    std::string file;
    put16(file, 0);
    put16(file, 1);  // an icon, not a cursor
    put16(file, static_cast<unsigned>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        file += static_cast<char>(sizes[i] & 0xff);  // 256 is written as 0
        file += static_cast<char>(sizes[i] & 0xff);
        file += std::string(2, '\0');
        put16(file, 1);
        put16(file, 32);
        put32(file, static_cast<uint32_t>(images[i].size()));
        put32(file, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const std::string& image : images) file += image;
    std::string scratch = std::string(argv[2]) + ".part";
    FILE* f = std::fopen(scratch.c_str(), "wb");
    bool ok = f && std::fwrite(file.data(), 1, file.size(), f) == file.size();
    if (f) ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(scratch.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "varnoth-icon: cannot write %s\n", argv[2]);
        std::remove(scratch.c_str());
        return 1;
    }
    return 0;
}
