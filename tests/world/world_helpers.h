// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders shared by the world tests: a grid laid out as a load leaves it, and map
// resources made in memory so that loading can be tried on good and broken files.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/test_game.h"

// Every cell at its load position with empty codes, as after a load of an empty map.
inline void lay_out_grid() {
    for (map_tag& c : map_cells) c = map_tag{};
    place_cells_as_loaded();
}

inline void put_le32(std::vector<unsigned char>& out, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int b = 0; b < 4; ++b) out.push_back(static_cast<unsigned char>(u >> (8 * b)));
}

// A map whose cell i holds tile1 = i % 97 and tile2 = i / 97, so each cell is recognisable.
inline std::vector<unsigned char> numbered_map(int width_word, int height_word) {
    std::vector<unsigned char> out;
    put_le32(out, width_word);
    put_le32(out, height_word);
    for (int i = 0; i < map_tag::kCells; ++i) {
        put_le32(out, i % 97);
        put_le32(out, i / 97);
    }
    return out;
}

// Registers bytes as the embedded map of (level, area); the bytes are kept for the whole run
// because the registry refers to them.
inline void register_map(int level, int area, std::vector<unsigned char> bytes) {
    static std::map<std::string, std::vector<unsigned char>> kept;
    const std::string name = "maps\\tovomap" + std::to_string(level) + "." + std::to_string(area);
    kept[name] = std::move(bytes);
    RegisterIncbin(name, kept[name].data(), kept[name].size());
}

// The drawing state every update must leave behind.
inline bool drawing_state_restored() {
    float sx = 0, sy = 0;
    int r = 0, g = 0, b = 0;
    GetScale(sx, sy);
    GetColor(r, g, b);
    return GetRotation() == 0 && sx == 1 && sy == 1 && GetAlpha() == 1 && r == 255 && g == 255 &&
           b == 255;
}

// Swaps the sprite sheet for solid 40 x 40 squares while alive, so that contacts in these
// tests follow from positions alone and not from the shapes of the artwork. It starts a fresh
// game first: the start-up loads the real sheet, which would otherwise replace the squares.
class SolidSprites {
  public:
    SolidSprites() {
        fresh_game();
        saved_ = img_sprites;
        img_sprites = squares();
    }
    ~SolidSprites() { img_sprites = saved_; }
    SolidSprites(const SolidSprites&) = delete;
    SolidSprites& operator=(const SolidSprites&) = delete;

  private:
    static TImage* squares() {
        static TImage* image = nullptr;
        if (image == nullptr) {
            image = CreateImage(40, 40, 127, 0);
            MidHandleImage(image);
            Cls();
            SetBlend(1);
            SetAlpha(1);
            SetTransform(0, 1, 1);
            SetColor(255, 255, 255);
            DrawRect(0, 0, 40, 40);
            for (int f = 0; f < 127; ++f) GrabImage(image, 0, 0, f);
            Cls();
        }
        return image;
    }
    TImage* saved_ = nullptr;
};
