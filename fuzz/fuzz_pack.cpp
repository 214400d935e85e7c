// SPDX-License-Identifier: GPL-3.0-or-later
// What a level pack brings from outside: pack.ini and the map sources. Any bytes give messages,
// never a crash; whatever pack.ini reads, the text written back for it reads back the same; and
// every message of a source names a line of the text and a cell of the grid.
#include <cstdlib>
#include <string>
#include <vector>

#include "packs/pack_check.h"
#include "packs/pack_info.h"

namespace {

bool same(const PackInfo& a, const PackInfo& b) {
    return a.id == b.id && a.title == b.title && a.author == b.author && a.licence == b.licence &&
           a.version == b.version && a.description == b.description;
}

void pack_ini(const std::string& text) {
    PackInfo read;
    std::vector<PackMessage> messages;
    parse_pack_ini(text, "pack.ini", read, messages);
    for (const std::string& previous : {text, std::string()}) {
        PackInfo back;
        std::vector<PackMessage> again;
        parse_pack_ini(format_pack_ini(read, previous), "pack.ini", back, again);
        if (!same(read, back)) std::abort();
    }
}

void source(const std::string& text, int level, int area) {
    // Lines of the text, and one more for what is missing after the last.
    long lines = 2;
    for (char c : text) lines += c == '\n';
    const CheckedArea checked = check_area_source(text, "map.txt", level, area);
    for (const PackMessage& m : checked.messages) {
        if (m.line < 1 || m.line > lines || m.column < 1) std::abort();
        if (m.cell_column < -1 || m.cell_column >= 140 || m.cell_row < -1 || m.cell_row >= 12)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    pack_ini(text);
    // The area a source is checked as comes from its first byte, so every type is tried.
    const int which = size > 0 ? data[0] % 15 : 0;
    source(text, which / 3 + 1, which % 3 + 1);
    return 0;
}
