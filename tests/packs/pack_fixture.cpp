// SPDX-License-Identifier: GPL-3.0-or-later
// The plain areas and pack folders of the pack tests.
#include "packs/pack_fixture.h"

#include <filesystem>

#include "support/sim_runner.h"

PlainArea::PlainArea(int level, int area) {
    const char background = area == 3 ? ',' : '.';
    const char floor = area == 1 ? 'S' : area == 2 ? 'B' : 'O';
    for (int r = 0; r < 12; ++r) {
        rows_[0][r] = std::string(140, r >= 10 ? floor : background);
        rows_[1][r] = std::string(140, '.');
    }
    tile2(2, 9, '@');
    tile2(135, 9, 'C');
    if (area == 3) tile2(70, 5, static_cast<char>('0' + level));
}

PlainArea& PlainArea::tile1(int column, int row, char ch) {
    rows_[0][row][static_cast<size_t>(column)] = ch;
    return *this;
}

PlainArea& PlainArea::tile2(int column, int row, char ch) {
    rows_[1][row][static_cast<size_t>(column)] = ch;
    return *this;
}

std::string PlainArea::text() const {
    std::string t;
    for (int layer = 0; layer < 2; ++layer) {
        t += layer == 0 ? "tile1\n" : "tile2\n";
        for (const std::string& row : rows_[layer]) t += row + "\n";
    }
    return t;
}

std::string pack_ini(const std::string& id, const std::string& title) {
    return "id = " + id + "\ntitle = " + title +
           "\nauthor = A Tester\nlicence = CC-BY-SA-4.0\nversion = 1.0\n"
           "description = Made for a test.\n";
}

void write_pack(const std::string& folder, const std::string& ini,
                const std::map<std::pair<int, int>, std::string>& sources) {
    std::filesystem::create_directories(folder);
    if (!ini.empty()) write_text(folder + "/pack.ini", ini);
    for (const auto& [where, text] : sources)
        write_text(folder + "/map" + std::to_string(where.first) + "." +
                       std::to_string(where.second) + ".txt",
                   text);
}
