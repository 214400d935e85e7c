// SPDX-License-Identifier: GPL-3.0-or-later
// The leading comments of the previous source are the author's notes on the area; they stay.
#include "editor/source_text.h"

#include <sstream>

namespace editor {

namespace {

std::string leading_comments(const std::string& previous, int level, int area) {
    std::istringstream in(previous);
    std::string line, kept;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] != '#') break;
        kept += line + "\n";
    }
    if (!kept.empty()) return kept;
    const std::string where = std::to_string(level) + "." + std::to_string(area);
    return "# Varnoth map " + where + ": level " + std::to_string(level) + ", area " +
           std::to_string(area) +
           ".\n# Two layers of 12 rows by 140 columns; the characters are explained in "
           "legend.txt.\n";
}

}  // namespace

char legend_character(const mapc::Legend& legend, int layer, int code, int tile1) {
    const auto& codes = layer == 1 ? legend.tile1 : legend.tile2;
    if (layer == 2 && code == 30) {
        const char wanted = mapc::is_block(tile1) ? 'V' : '@';
        if (codes[static_cast<unsigned char>(wanted)] == 30) return wanted;
    }
    for (int c = 33; c < 127; ++c)
        if (codes[static_cast<size_t>(c)] == code) return static_cast<char>(c);
    return 0;
}

bool write_source_text(const mapc::MapGrid& grid, int level, int area,
                       const std::string& previous_text, const mapc::Legend& legend,
                       std::string& text, std::string& why) {
    std::string out = leading_comments(previous_text, level, area);
    for (int layer = 1; layer <= 2; ++layer) {
        out += layer == 1 ? "tile1\n" : "tile2\n";
        for (int row = 0; row < mapc::kRows; ++row) {
            for (int col = 0; col < mapc::kCols; ++col) {
                const int t1 = grid.t1(row, col);
                const int code = layer == 1 ? t1 : grid.t2(row, col);
                const char c = legend_character(legend, layer, code, t1);
                if (c == 0) {
                    why = "column " + std::to_string(col + 1) + ", row " + std::to_string(row + 1) +
                          " holds code " + std::to_string(code) + ", which the legend cannot write";
                    return false;
                }
                out += c;
            }
            out += '\n';
        }
    }
    text = out;
    return true;
}

}  // namespace editor
