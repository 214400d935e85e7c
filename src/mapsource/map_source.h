// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the editable map sources: the legend that maps characters to codes, and a source of
// two 12-row layers (tile1, tile2) of 140 characters each, from a file or from text in memory.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "map_grid.h"

namespace mapc {

// Code of each character per layer; -1 where the character is not in the legend.
struct Legend {
    std::array<int, 256> tile1;
    std::array<int, 256> tile2;
    Legend() {
        tile1.fill(-1);
        tile2.fill(-1);
    }
};

// A mistake in a legend or a source and where it stands. what() is "file:line:column: reason",
// the line and column (from 1) as a text editor counts them, comment lines included.
class SourceError : public MapError {
  public:
    SourceError(const std::string& file, int line, int column, const std::string& reason,
                int cell_column = -1, int cell_row = -1);
    std::string file;
    int line = 0;
    int column = 0;
    std::string reason;
    // The map cell the mistake concerns (from 0, as in the grid); -1 when it concerns none.
    int cell_column = -1;
    int cell_row = -1;
};

// Where the rows of the two layers stand in a source's text, so that a rule broken at a cell
// can be shown where a text editor shows it: cell (c, r) of layer L is on line
// row_line[L][r], column c + 1. A layer's header line stands for the layer as a whole.
struct SourceLayout {
    std::array<int, 2> header_line{};
    std::array<std::array<int, kRows>, 2> row_line{};
};

// What reading a source gave: the grid, where its rows stand, and every mistake found (up to
// kMaxSourceErrors). The grid is the compiled map only when `errors` is empty.
inline constexpr size_t kMaxSourceErrors = 20;
struct ReadSource {
    MapGrid grid;
    SourceLayout layout;
    std::vector<SourceError> errors;
};

// The text entries: `file_label` names the text in the messages.
Legend parse_legend_text(const std::string& text, const std::string& file_label);
ReadSource read_source_text(const std::string& text, const std::string& file_label,
                            const Legend& legend);

// The file entries throw the first mistake (a SourceError, or a MapError for a file that cannot
// be opened).
Legend load_legend(const std::string& path);
MapGrid parse_source(const std::string& path, const Legend& legend);

}  // namespace mapc
