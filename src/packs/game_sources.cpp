// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded copies of the game's sources and legend. Tools that check a pack without
// starting the game register the embedded blocks themselves.
#include "packs/game_sources.h"

#include "platform/platform.h"
#include "shell/startup.h"

namespace {

const char* const kLegend = "incbin::maps\\legend.txt";

std::string embedded(const std::string& name) {
    if (FileType(kLegend) == 0) register_embedded_resources();
    std::string text;
    return ReadWholeFile(name, text) ? text : "";
}

}  // namespace

std::string game_area_source(int level, int area) {
    if (level < 1 || level > 5 || area < 1 || area > 3) return "";
    return embedded("incbin::maps\\map" + std::to_string(level) + "." + std::to_string(area) +
                    ".txt");
}

std::vector<uint8_t> game_area_map(int level, int area) {
    if (level < 1 || level > 5 || area < 1 || area > 3) return {};
    const std::string bytes =
        embedded("incbin::maps\\tovomap" + std::to_string(level) + "." + std::to_string(area));
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

const mapc::Legend& game_legend() {
    static const mapc::Legend legend = mapc::parse_legend_text(embedded(kLegend), "legend.txt");
    return legend;
}
