// SPDX-License-Identifier: GPL-3.0-or-later
// The area's embedded block is registered again, pointing at the given bytes, and afterwards at
// a copy of the game's own bytes, taken the first time the area is replaced and kept for good
// (an embedded block must outlive its registration).
#include "bot/checked_map.h"

#include <map>

#include "platform/platform.h"
#include "world/map_tag.h"

namespace {

std::vector<uint8_t> bytes_of(const std::string& url) {
    std::string bytes;
    ReadWholeFile(url, bytes);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

const std::vector<uint8_t>& own_map(const std::string& name) {
    static std::map<std::string, std::vector<uint8_t>> own;
    auto it = own.find(name);
    if (it == own.end()) it = own.emplace(name, bytes_of("incbin::" + name)).first;
    return it->second;
}

}  // namespace

CheckedMap::CheckedMap(int level, int area, const std::vector<uint8_t>& compiled)
    : name_("maps\\tovomap" + std::to_string(level) + "." + std::to_string(area)) {
    if (compiled.empty()) return;
    if (compiled.size() != static_cast<size_t>(map_tag::kFileBytes)) {
        error_ = "the map is not a compiled area (" + std::to_string(compiled.size()) +
                 " bytes, not " + std::to_string(map_tag::kFileBytes) + ")";
        return;
    }
    own_map(name_);
    given_ = compiled;
    RegisterIncbin(name_, given_.data(), given_.size());
}

CheckedMap::~CheckedMap() {
    if (given_.empty()) return;
    const std::vector<uint8_t>& own = own_map(name_);
    RegisterIncbin(name_, own.data(), own.size());
}
