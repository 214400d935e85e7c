// SPDX-License-Identifier: GPL-3.0-or-later
// Level packs made on the spot for the tests: a plain area of each type whose every cell is
// known, edited cell by cell, and pack folders written from such areas.
#pragma once

#include <map>
#include <string>
#include <utility>

// A source that keeps every rule: background above two rows of floor, the start at column 2
// of row 9, the cauldron at column 135 of row 9 and, in a third area, the level's magic item
// at column 70 of row 5. Line 1 is "tile1", lines 2..13 its rows, line 14 "tile2", lines
// 15..26 its rows, so cell (c, r) is at column c + 1 of line 2 + r (tile1) or 15 + r (tile2).
class PlainArea {
  public:
    explicit PlainArea(int level, int area);
    PlainArea& tile1(int column, int row, char ch);
    PlainArea& tile2(int column, int row, char ch);
    std::string text() const;

    static int tile1_line(int row) { return 2 + row; }
    static int tile2_line(int row) { return 15 + row; }

  private:
    std::string rows_[2][12];
};

// The pack.ini of a sound pack of this id.
std::string pack_ini(const std::string& id, const std::string& title = "A Test Pack");

// Writes a pack folder: pack.ini (when `ini` is not empty) and one source per area given.
void write_pack(const std::string& folder, const std::string& ini,
                const std::map<std::pair<int, int>, std::string>& sources);
