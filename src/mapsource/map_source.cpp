// SPDX-License-Identifier: GPL-3.0-or-later
// Parses the legend and the two-layer text sources, reporting every mistake with the file, line
// and column where it was found, so an edit that breaks a map is easy to locate.
#include "map_source.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace mapc {
namespace {

std::string where(const std::string& path, int line, int col) {
    return path + ":" + std::to_string(line) + ":" + std::to_string(col) + ": ";
}

std::vector<std::string> read_lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw MapError(path + ": cannot open file");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool skipped(const std::string& line) {
    return line.empty() || line[0] == '#';
}

}  // namespace

Legend load_legend(const std::string& path) {
    Legend legend;
    auto lines = read_lines(path);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineno = static_cast<int>(i) + 1;
        if (skipped(lines[i])) continue;
        std::istringstream fields(lines[i]);
        std::string layer, ch;
        int code = -1;
        if (!(fields >> layer >> ch >> code) || ch.size() != 1 || code < 0 || code > 126) {
            throw MapError(where(path, lineno, 1) +
                           "expected 'tile1|tile2 <one character> <code 0..126> [meaning]'");
        }
        auto& table = layer == "tile1" ? legend.tile1 : legend.tile2;
        if (layer != "tile1" && layer != "tile2") {
            throw MapError(where(path, lineno, 1) + "unknown layer '" + layer + "'");
        }
        auto& slot = table[static_cast<unsigned char>(ch[0])];
        if (slot != -1 && slot != code) {
            throw MapError(where(path, lineno, 1) + "character '" + ch + "' of " + layer +
                           " already means " + std::to_string(slot));
        }
        slot = code;
    }
    return legend;
}

MapGrid parse_source(const std::string& path, const Legend& legend) {
    MapGrid grid;
    auto lines = read_lines(path);
    int layer = -1;  // 0 = tile1, 1 = tile2
    int rows = 0;
    bool seen[2] = {false, false};
    auto finish_layer = [&](int lineno) {
        if (layer >= 0 && rows != kRows) {
            throw MapError(where(path, lineno, 1) + "layer tile" + std::to_string(layer + 1) +
                           " has " + std::to_string(rows) + " rows, expected " +
                           std::to_string(kRows));
        }
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineno = static_cast<int>(i) + 1;
        const std::string& line = lines[i];
        if (skipped(line)) continue;
        if (line == "tile1" || line == "tile2") {
            finish_layer(lineno);
            layer = line == "tile1" ? 0 : 1;
            if (seen[layer])
                throw MapError(where(path, lineno, 1) + "layer " + line + " given twice");
            seen[layer] = true;
            rows = 0;
            continue;
        }
        if (layer < 0) {
            throw MapError(where(path, lineno, 1) + "expected a layer header 'tile1' or 'tile2'");
        }
        if (rows == kRows) {
            throw MapError(where(path, lineno, 1) + "layer tile" + std::to_string(layer + 1) +
                           " has more than " + std::to_string(kRows) + " rows");
        }
        if (line.size() != static_cast<size_t>(kCols)) {
            const int col = static_cast<int>(std::min(line.size(), static_cast<size_t>(kCols))) + 1;
            throw MapError(where(path, lineno, col) + "row has " + std::to_string(line.size()) +
                           " characters, expected " + std::to_string(kCols));
        }
        const auto& table = layer == 0 ? legend.tile1 : legend.tile2;
        auto& out = layer == 0 ? grid.tile1 : grid.tile2;
        for (int c = 0; c < kCols; ++c) {
            const int code = table[static_cast<unsigned char>(line[static_cast<size_t>(c)])];
            if (code < 0) {
                throw MapError(where(path, lineno, c + 1) + "character '" +
                               std::string(1, line[static_cast<size_t>(c)]) +
                               "' is not in the legend of layer tile" + std::to_string(layer + 1));
            }
            out[static_cast<size_t>(rows * kCols + c)] = code;
        }
        ++rows;
    }
    finish_layer(static_cast<int>(lines.size()) + 1);
    for (int l = 0; l < 2; ++l) {
        if (!seen[l]) {
            throw MapError(where(path, static_cast<int>(lines.size()) + 1, 1) + "layer tile" +
                           std::to_string(l + 1) + " is missing");
        }
    }
    return grid;
}

}  // namespace mapc
