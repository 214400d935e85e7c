// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/areas_reached.h"

#include <sstream>

#include "platform/platform.h"

namespace {

constexpr char kFirstLine[] = "varnoth areas reached";

bool designed_area(int key) {
    return key / 10 >= 1 && key / 10 <= 5 && key % 10 >= 1 && key % 10 <= 3;
}

}  // namespace

std::string areas_reached_text(const AreasReached& areas) {
    std::string text = std::string(kFirstLine) + "\n";
    for (int key : areas)
        if (designed_area(key))
            text += std::to_string(key / 10) + "." + std::to_string(key % 10) + "\n";
    return text;
}

bool parse_areas_reached(const std::string& text, AreasReached& areas) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line != kFirstLine) return false;
    AreasReached read;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() != 3 || line[1] != '.' || line[0] < '1' || line[0] > '5' || line[2] < '1' ||
            line[2] > '3')
            return false;
        read.insert((line[0] - '0') * 10 + (line[2] - '0'));
    }
    areas = read;
    return true;
}

AreasReached read_areas_reached(const std::string& path) {
    std::string text;
    AreasReached areas;
    if (path.empty() || !ReadWholeFile(path, text) || !parse_areas_reached(text, areas)) return {};
    return areas;
}

bool add_areas_reached(const std::string& path, const AreasReached& areas) {
    AreasReached all = read_areas_reached(path);
    const size_t before = all.size();
    for (int key : areas)
        if (designed_area(key)) all.insert(key);
    if (all.size() == before && FileType(path) == 1) return true;
    return WriteWholeFile(path, areas_reached_text(all));
}
