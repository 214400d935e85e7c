// SPDX-License-Identifier: GPL-3.0-or-later
// Writes and reads the compiled map binaries byte by byte, so the result does not depend on the
// host's byte order, and refuses files of the wrong size or header.
#include "map_binary.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace mapc {
namespace {

void put(std::vector<unsigned char>& out, int v) {
    const auto u = static_cast<uint32_t>(v);
    for (int b = 0; b < 4; ++b) out.push_back(static_cast<unsigned char>((u >> (8 * b)) & 0xFF));
}

int get(const std::vector<unsigned char>& in, size_t at) {
    uint32_t u = 0;
    for (size_t b = 0; b < 4; ++b) u |= static_cast<uint32_t>(in[at + b]) << (8 * b);
    return static_cast<int32_t>(u);
}

}  // namespace

std::vector<unsigned char> map_bytes(const MapGrid& grid) {
    std::vector<unsigned char> out;
    out.reserve(kFileBytes);
    put(out, kCols);
    put(out, kRows);
    for (size_t i = 0; i < static_cast<size_t>(kCells); ++i) {
        put(out, grid.tile1[i]);
        put(out, grid.tile2[i]);
    }
    return out;
}

MapGrid grid_of_bytes(const std::vector<unsigned char>& in, const std::string& label) {
    if (in.size() != static_cast<size_t>(kFileBytes)) {
        throw MapError(label + ": " + std::to_string(in.size()) + " bytes, expected " +
                       std::to_string(kFileBytes));
    }
    if (get(in, 0) != kCols || get(in, 4) != kRows) {
        throw MapError(label + ": header says " + std::to_string(get(in, 0)) + " x " +
                       std::to_string(get(in, 4)) + ", expected 140 x 12");
    }
    MapGrid grid;
    for (size_t i = 0; i < static_cast<size_t>(kCells); ++i) {
        grid.tile1[i] = get(in, 8 + 8 * i);
        grid.tile2[i] = get(in, 12 + 8 * i);
    }
    return grid;
}

void write_map(const std::string& path, const MapGrid& grid) {
    const std::vector<unsigned char> out = map_bytes(grid);
    // Write to a temporary name first so a failed write never leaves half a map behind.
    const std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) throw MapError(path + ": cannot create file");
        f.write(reinterpret_cast<const char*>(out.data()),
                static_cast<std::streamsize>(out.size()));
        if (!f) throw MapError(path + ": write failed");
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) throw MapError(path + ": cannot replace file");
}

MapGrid read_map(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) throw MapError(path + ": cannot open file");
    const std::vector<unsigned char> in((std::istreambuf_iterator<char>(f)),
                                        std::istreambuf_iterator<char>());
    return grid_of_bytes(in, path);
}

}  // namespace mapc
