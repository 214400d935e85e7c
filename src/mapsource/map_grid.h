// SPDX-License-Identifier: GPL-3.0-or-later
// The 140 x 12 cell grid of one area as the compiler and the checker see it: two codes per cell,
// row-major, plus the small helpers both tools use to classify codes.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

namespace mapc {

inline constexpr int kCols = 140;
inline constexpr int kRows = 12;
inline constexpr int kCells = kCols * kRows;
inline constexpr int kFileBytes = 8 + 8 * kCells;  // two header words, then tile1/tile2 pairs

struct MapGrid {
    std::array<int, kCells> tile1{};
    std::array<int, kCells> tile2{};

    int t1(int row, int col) const { return tile1[static_cast<size_t>(row * kCols + col)]; }
    int t2(int row, int col) const { return tile2[static_cast<size_t>(row * kCols + col)]; }

    bool operator==(const MapGrid&) const = default;
};

// Every failure of the tools is reported through this one type; the text already names the file.
class MapError : public std::runtime_error {
  public:
    explicit MapError(const std::string& what) : std::runtime_error(what) {}
};

// Solid for the hero and his fireball.
inline bool is_solid(int tile1) {
    return (tile1 >= 4 && tile1 <= 10) || tile1 == 24 || tile1 == 25;
}
inline bool is_liquid(int tile1) {
    return tile1 == 94 || tile1 == 95;
}
inline bool is_block(int tile1) {
    return tile1 == 4 || tile1 == 5;
}
inline bool is_monster(int code) {
    switch (code) {
        case 26:
        case 27:
        case 57:
        case 59:
        case 61:
        case 64:
        case 67:
        case 69:
        case 71:
        case 73:
        case 76:
        case 81:
        case 83:
        case 87:
        case 88:
            return true;
        default:
            return false;
    }
}

}  // namespace mapc
