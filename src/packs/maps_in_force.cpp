// SPDX-License-Identifier: GPL-3.0-or-later
// The maps and top score in force. A pack's compiled maps are handed to the game as embedded
// blocks of their own, so that the game reads them exactly as it reads its own; an area the
// pack does not give keeps the game's block.
#include "packs/maps_in_force.h"

#include <array>

#include "packs/game_sources.h"
#include "packs/pack_check.h"
#include "platform/platform.h"
#include "shell/addon_hooks.h"

namespace {

struct InForce {
    bool pack_chosen = false;
    CheckedPack pack;
    std::array<std::vector<uint8_t>, kAreasInGame> overrides;
};

InForce& in_force() {
    static InForce state;
    return state;
}

bool in_game(int level, int area) {
    return level >= 1 && level <= 5 && area >= 1 && area <= 3;
}

std::string area_suffix(int level, int area) {
    return std::to_string(level) + "." + std::to_string(area);
}

// The block a map in force is read from: an override, the pack's own, or the game's.
const std::vector<uint8_t>* chosen_map(int level, int area) {
    if (!in_game(level, area)) return nullptr;
    const auto i = static_cast<size_t>(area_index(level, area));
    const InForce& f = in_force();
    if (!f.overrides[i].empty()) return &f.overrides[i];
    if (f.pack_chosen && !f.pack.maps[i].empty()) return &f.pack.maps[i];
    return nullptr;
}

std::string block_name(int level, int area) {
    const InForce& f = in_force();
    const auto i = static_cast<size_t>(area_index(level, area));
    return (f.overrides[i].empty() ? "packs\\tovomap" : "packs\\override") +
           area_suffix(level, area);
}

// The blocks point into the records above, so they are named again whenever those change; a
// block no longer in force is emptied rather than left pointing at what was freed.
void register_blocks() {
    const InForce& f = in_force();
    for (int level = 1; level <= 5; ++level) {
        for (int area = 1; area <= 3; ++area) {
            const auto i = static_cast<size_t>(area_index(level, area));
            const std::vector<uint8_t>& own = f.pack.maps[i];
            const std::vector<uint8_t>& test = f.overrides[i];
            RegisterIncbin("packs\\tovomap" + area_suffix(level, area), own.data(), own.size());
            RegisterIncbin("packs\\override" + area_suffix(level, area), test.data(), test.size());
        }
    }
}

std::string area_map_resource(int level, int area) {
    if (chosen_map(level, area)) return "incbin::" + block_name(level, area);
    return "incbin::maps\\tovomap" + area_suffix(level, area);
}

std::string top_score_file(const std::string& game_file) {
    const std::string id = pack_in_force_id();
    if (id.empty()) return game_file;
    const size_t slash = game_file.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : game_file.substr(0, slash + 1);
    return folder + "hiscore-" + id + ".dat";
}

}  // namespace

std::vector<uint8_t> map_in_force(int level, int area) {
    const std::vector<uint8_t>* map = chosen_map(level, area);
    return map ? *map : game_area_map(level, area);
}

std::string pack_in_force_id() {
    return in_force().pack_chosen ? in_force().pack.info.id : "";
}

std::string pack_in_force_title() {
    return in_force().pack_chosen ? in_force().pack.info.title : "";
}

const CheckedPack* pack_in_force() {
    return in_force().pack_chosen ? &in_force().pack : nullptr;
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

bool set_pack_in_force(const CheckedPack* pack) {
    if (pack && !pack->playable()) return false;
    install_pack_hooks();
    InForce& f = in_force();
    f.pack_chosen = pack != nullptr;
    f.pack = pack ? *pack : CheckedPack{};
    register_blocks();
    return true;
}

void override_area_in_force(int level, int area, std::vector<uint8_t> compiled) {
    if (!in_game(level, area)) return;
    install_pack_hooks();
    in_force().overrides[static_cast<size_t>(area_index(level, area))] = std::move(compiled);
    register_blocks();
}

void install_pack_hooks() {
    addon_hooks.area_map_resource = area_map_resource;
    addon_hooks.top_score_file = top_score_file;
}
