// SPDX-License-Identifier: GPL-3.0-or-later
// The areas are built row by row from the legend's characters, so that a test reads what it
// plays: 'S' stone, '~' water, '@' the start, 'C' the cauldron, '*' a token.
#include "test_areas.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "map_binary.h"
#include "map_source.h"

namespace {

constexpr int kColumns = 140;
constexpr int kRows = 12;

}  // namespace

std::string area_source(int cauldron_column, int water_from, int water_to,
                        const std::vector<std::pair<int, int>>& tokens) {
    std::vector<std::string> tile1(kRows, std::string(kColumns, '.'));
    std::vector<std::string> tile2(kRows, std::string(kColumns, '.'));
    for (int c = 0; c < kColumns; ++c)
        tile1[kRows - 1][c] = c >= water_from && c < water_to ? '~' : 'S';
    tile2[kRows - 2][2] = '@';
    tile2[kRows - 2][cauldron_column] = 'C';
    for (const auto& [c, r] : tokens) tile2[r][c] = '*';
    std::string text = "# a test area\ntile1\n";
    for (const std::string& row : tile1) text += row + "\n";
    text += "tile2\n";
    for (const std::string& row : tile2) text += row + "\n";
    return text;
}

std::vector<uint8_t> compiled(const std::string& source) {
    const std::string stem = ::testing::TempDir() + "bot_area_" + std::to_string(getpid());
    std::ofstream(stem + ".txt", std::ios::binary) << source;
    std::vector<uint8_t> bytes;
    try {
        const mapc::Legend legend =
            mapc::load_legend(std::string(VARNOTH_SOURCE_DIR) + "/assets/maps/legend.txt");
        mapc::write_map(stem + ".bin", mapc::parse_source(stem + ".txt", legend));
        std::ifstream in(stem + ".bin", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
    }
    std::remove((stem + ".txt").c_str());
    std::remove((stem + ".bin").c_str());
    return bytes;
}

std::string winnable_source(int cauldron_column) {
    std::string source = area_source(cauldron_column, 0, 0, {{4, 10}, {4, 1}});
    // The bonus block: row 3 of the first layer, whose rows follow "tile1\n".
    const size_t rows = source.find("tile1\n") + 6;
    source[rows + 3 * (kColumns + 1) + 5] = '?';
    return source;
}

std::string no_way_source(int cauldron_column) {
    return area_source(cauldron_column, 6, 56);
}
