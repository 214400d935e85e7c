// SPDX-License-Identifier: GPL-3.0-or-later
// Until a pack is chosen the maps in force are the ones embedded in the program.
#include "packs/maps_in_force.h"

#include "platform/platform.h"

std::vector<uint8_t> map_in_force(int level, int area) {
    TStream* stream = ReadFile("incbin::maps\\tovomap" + std::to_string(level) + "." +
                               std::to_string(area));
    std::vector<uint8_t> bytes;
    while (StreamRemaining(stream) >= 4) {
        const uint32_t v = static_cast<uint32_t>(ReadInt(stream));
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    CloseStream(stream);
    return bytes;
}

std::string pack_in_force_id() {
    return "";
}

uint64_t maps_in_force_hash() {
    // FNV-1a over the areas in order, each preceded by its length so that bytes cannot move
    // from one area to the next unnoticed.
    uint64_t h = 14695981039346656037ull;
    auto mix = [&h](uint8_t b) {
        h ^= b;
        h *= 1099511628211ull;
    };
    for (int level = 1; level <= 5; ++level) {
        for (int area = 1; area <= 3; ++area) {
            const std::vector<uint8_t> bytes = map_in_force(level, area);
            const uint32_t n = static_cast<uint32_t>(bytes.size());
            for (int i = 0; i < 4; ++i) mix(static_cast<uint8_t>(n >> (8 * i)));
            for (uint8_t b : bytes) mix(b);
        }
    }
    return h;
}
