// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a pack: pack.ini first, then each source it gives, compiled against the game's
// legend and held to the rules of a playable area of its number.
#include "packs/pack_check.h"

#include <cstdio>

#include "map_binary.h"
#include "map_rules.h"
#include "packs/game_sources.h"
#include "packs/maps_in_force.h"
#include "packs/pack_folder.h"
#include "platform/platform.h"

namespace {

std::vector<uint8_t> as_bytes(const mapc::MapGrid& grid) {
    const std::vector<unsigned char> bytes = mapc::map_bytes(grid);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

std::string area_name(int level, int area) {
    return std::to_string(level) + "." + std::to_string(area);
}

}  // namespace

CheckedArea check_area_source(const std::string& text, const std::string& file_label, int level,
                              int area) {
    CheckedArea checked;
    const mapc::ReadSource source = mapc::read_source_text(text, file_label, game_legend());
    checked.grid = source.grid;
    for (const mapc::SourceError& e : source.errors)
        checked.messages.push_back(
            PackMessage{e.file, e.line, e.column, e.cell_column, e.cell_row, e.reason});
    if (!checked.messages.empty()) return checked;
    checked.compiled = true;
    checked.messages = check_area_grid(source.grid, level, area, file_label, source.layout);
    return checked;
}

std::vector<PackMessage> check_area_grid(const mapc::MapGrid& grid, int level, int area,
                                         const std::string& file_label,
                                         const mapc::SourceLayout& layout) {
    std::vector<PackMessage> messages;
    for (const mapc::RuleBreak& b : mapc::check_structure(grid, level, area)) {
        PackMessage m{file_label, 0, 1, b.column, b.row, b.reason};
        const auto layer = static_cast<size_t>(b.layer);
        if (b.row >= 0) {
            m.line = layout.row_line[layer][static_cast<size_t>(b.row)];
            m.column = b.column + 1;
        } else {
            m.line = layout.header_line[layer];
        }
        if (m.line <= 0) m.column = 0;
        messages.push_back(m);
    }
    return messages;
}

CheckedPack check_pack(const std::string& folder) {
    CheckedPack pack;
    pack.folder = folder;
    const std::string absolute = AbsolutePath(folder);
    const int type = FileType(absolute);
    if (type != 2) {
        pack.info.id = PathLastName(folder);
        pack.messages.push_back(
            PackMessage{folder, 0, 0, -1, -1, type == 0 ? "no such folder" : "not a folder"});
        return pack;
    }
    read_pack_ini(folder, pack.info, pack.messages);
    if (pack.info.id.empty()) pack.info.id = PathLastName(folder);
    std::vector<std::string> strays;
    const auto areas = pack_areas(folder, &strays);
    for (const std::string& name : strays)
        pack.messages.push_back(PackMessage{pack_file(folder, name), 0, 0, -1, -1,
                                            "the game has no such area: sources are named "
                                            "mapL.A.txt, level L 1 to 5, area A 1 to 3"});
    if (areas.empty() && strays.empty())
        pack.messages.push_back(PackMessage{folder, 0, 0, -1, -1,
                                            "the pack gives no area: a source mapL.A.txt "
                                            "beside pack.ini gives level L, area A"});
    for (const auto& [level, area] : areas) {
        const std::string file = pack_file(folder, area_source_name(level, area));
        std::string text, why;
        if (!read_area_source(folder, level, area, text, why)) {
            pack.messages.push_back(PackMessage{file, 0, 0, -1, -1, why});
            continue;
        }
        CheckedArea checked = check_area_source(text, file, level, area);
        if (checked.ok())
            pack.maps[static_cast<size_t>(area_index(level, area))] = as_bytes(checked.grid);
        pack.messages.insert(pack.messages.end(), checked.messages.begin(), checked.messages.end());
    }
    return pack;
}

std::vector<uint8_t> pack_area_map(const std::string& folder, int level, int area,
                                   std::vector<PackMessage>& messages) {
    const CheckedPack pack = check_pack(folder);
    if (!pack.playable()) {
        messages.insert(messages.end(), pack.messages.begin(), pack.messages.end());
        return {};
    }
    const std::vector<uint8_t>& own = pack.maps[static_cast<size_t>(area_index(level, area))];
    return own.empty() ? game_area_map(level, area) : own;
}

int print_pack_check(const std::string& folder) {
    const CheckedPack pack = check_pack(folder);
    for (const PackMessage& m : pack.messages) std::printf("%s\n", m.to_string().c_str());
    if (!pack.playable()) {
        std::printf("%s: %zu problem%s: the pack cannot be played\n", folder.c_str(),
                    pack.messages.size(), pack.messages.size() == 1 ? "" : "s");
        return 1;
    }
    std::string given;
    int count = 0;
    for (int level = 1; level <= 5; ++level)
        for (int area = 1; area <= 3; ++area)
            if (!pack.maps[static_cast<size_t>(area_index(level, area))].empty()) {
                given += (count++ ? ", " : "") + area_name(level, area);
            }
    std::printf(
        "%s: the pack '%s' can be played: it gives area%s %s, the game gives the other "
        "%d\n",
        folder.c_str(), pack.info.id.c_str(), count == 1 ? "" : "s", given.c_str(),
        kAreasInGame - count);
    return 0;
}
