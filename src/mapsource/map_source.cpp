// SPDX-License-Identifier: GPL-3.0-or-later
// Parses the legend and the two-layer text sources, reporting every mistake with the file, line
// and column where it was found, so an edit that breaks a map is easy to locate. A source read
// from text goes on after a mistake, so that a player sees all of them at once.
#include "map_source.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace mapc {
namespace {

std::string where(const std::string& file, int line, int col) {
    return file + ":" + std::to_string(line) + ":" + std::to_string(col) + ": ";
}

std::vector<std::string> split_lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw MapError(path + ": cannot open file");
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

bool skipped(const std::string& line) {
    return line.empty() || line[0] == '#';
}

std::string layer_name(int layer) {
    return "tile" + std::to_string(layer + 1);
}

}  // namespace

SourceError::SourceError(const std::string& file_in, int line_in, int column_in,
                         const std::string& reason_in, int cell_column_in, int cell_row_in)
    : MapError(where(file_in, line_in, column_in) + reason_in),
      file(file_in),
      line(line_in),
      column(column_in),
      reason(reason_in),
      cell_column(cell_column_in),
      cell_row(cell_row_in) {}

Legend parse_legend_text(const std::string& text, const std::string& file_label) {
    Legend legend;
    const auto lines = split_lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineno = static_cast<int>(i) + 1;
        if (skipped(lines[i])) continue;
        std::istringstream fields(lines[i]);
        std::string layer, ch;
        int code = -1;
        if (!(fields >> layer >> ch >> code) || ch.size() != 1 || code < 0 || code > 126) {
            throw SourceError(file_label, lineno, 1,
                              "expected 'tile1|tile2 <one character> <code 0..126> [meaning]'");
        }
        if (layer != "tile1" && layer != "tile2") {
            throw SourceError(file_label, lineno, 1, "unknown layer '" + layer + "'");
        }
        auto& table = layer == "tile1" ? legend.tile1 : legend.tile2;
        auto& slot = table[static_cast<unsigned char>(ch[0])];
        if (slot != -1 && slot != code) {
            throw SourceError(
                file_label, lineno, 1,
                "character '" + ch + "' of " + layer + " already means " + std::to_string(slot));
        }
        slot = code;
    }
    return legend;
}

Legend load_legend(const std::string& path) {
    return parse_legend_text(read_text(path), path);
}

ReadSource read_source_text(const std::string& text, const std::string& file_label,
                            const Legend& legend) {
    ReadSource out;
    const auto lines = split_lines(text);
    auto mistake = [&](int line, int col, const std::string& reason, int cell_col = -1,
                       int cell_row = -1) {
        if (out.errors.size() < kMaxSourceErrors)
            out.errors.emplace_back(file_label, line, col, reason, cell_col, cell_row);
    };
    int layer = -1;  // 0 = tile1, 1 = tile2
    int rows = 0;
    bool seen[2] = {false, false};
    bool overfull = false;  // this layer's extra rows were reported once
    auto finish_layer = [&](int lineno) {
        if (layer >= 0 && rows < kRows) {
            mistake(lineno, 1,
                    "layer " + layer_name(layer) + " has " + std::to_string(rows) +
                        " rows, expected " + std::to_string(kRows));
        }
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineno = static_cast<int>(i) + 1;
        const std::string& line = lines[i];
        if (skipped(line)) continue;
        if (line == "tile1" || line == "tile2") {
            finish_layer(lineno);
            layer = line == "tile1" ? 0 : 1;
            if (seen[layer]) mistake(lineno, 1, "layer " + line + " given twice");
            seen[layer] = true;
            out.layout.header_line[static_cast<size_t>(layer)] = lineno;
            rows = 0;
            overfull = false;
            continue;
        }
        if (layer < 0) {
            mistake(lineno, 1, "expected a layer header 'tile1' or 'tile2'");
            continue;
        }
        if (rows == kRows) {
            if (!overfull)
                mistake(lineno, 1,
                        "layer " + layer_name(layer) + " has more than " + std::to_string(kRows) +
                            " rows");
            overfull = true;
            continue;
        }
        out.layout.row_line[static_cast<size_t>(layer)][static_cast<size_t>(rows)] = lineno;
        if (line.size() != static_cast<size_t>(kCols)) {
            const int end = static_cast<int>(std::min(line.size(), static_cast<size_t>(kCols)));
            mistake(lineno, end + 1,
                    "row has " + std::to_string(line.size()) + " characters, expected " +
                        std::to_string(kCols),
                    std::min(end, kCols - 1), rows);
            ++rows;
            continue;
        }
        const auto& table = layer == 0 ? legend.tile1 : legend.tile2;
        auto& codes = layer == 0 ? out.grid.tile1 : out.grid.tile2;
        for (int c = 0; c < kCols; ++c) {
            const char ch = line[static_cast<size_t>(c)];
            const int code = table[static_cast<unsigned char>(ch)];
            if (code < 0) {
                mistake(lineno, c + 1,
                        "character '" + std::string(1, ch) + "' is not in the legend of layer " +
                            layer_name(layer),
                        c, rows);
            }
            codes[static_cast<size_t>(rows * kCols + c)] = std::max(code, 0);
        }
        ++rows;
    }
    const int after_last = static_cast<int>(lines.size()) + 1;
    finish_layer(after_last);
    for (int l = 0; l < 2; ++l) {
        if (!seen[l]) mistake(after_last, 1, "layer " + layer_name(l) + " is missing");
    }
    return out;
}

MapGrid parse_source(const std::string& path, const Legend& legend) {
    ReadSource source = read_source_text(read_text(path), path, legend);
    if (!source.errors.empty()) throw source.errors.front();
    return source.grid;
}

}  // namespace mapc
