// SPDX-License-Identifier: GPL-3.0-or-later
// The old source goes to the .bak before the new one replaces it, each write whole or not at
// all, so that at every moment the folder holds a source that was saved whole.
#include "editor/area_files.h"

#include "map_source.h"
#include "packs/game_sources.h"
#include "packs/pack_folder.h"
#include "platform/platform.h"

namespace editor {

OpenedArea open_area(const std::string& folder, int level, int area) {
    OpenedArea opened;
    const std::string label = pack_file(folder, area_source_name(level, area));
    std::string text, why;
    if (FileType(AbsolutePath(label)) != 0) {
        if (!read_area_source(folder, level, area, text, why)) {
            opened.problems.push_back(PackMessage{label, 0, 0, -1, -1, why});
        } else {
            mapc::ReadSource read = mapc::read_source_text(text, label, game_legend());
            for (const mapc::SourceError& e : read.errors)
                opened.problems.push_back(
                    PackMessage{label, e.line, e.column, e.cell_column, e.cell_row, e.reason});
            if (read.errors.empty()) {
                opened.grid = read.grid;
                opened.source_text = text;
                return opened;
            }
        }
    }
    opened.from_game = true;
    opened.source_text = game_area_source(level, area);
    opened.grid = mapc::read_source_text(opened.source_text, label, game_legend()).grid;
    return opened;
}

bool save_area_source(const std::string& folder, int level, int area, const std::string& text,
                      std::string& why) {
    const std::string shown = pack_file(folder, area_source_name(level, area));
    const std::string path = AbsolutePath(shown);
    if (!MakeFolders(AbsolutePath(folder))) {
        why = "the folder " + folder + " cannot be made";
        return false;
    }
    std::string previous;
    if (FileType(path) == 1) {
        if (!ReadWholeFile(path, previous)) {
            why = shown + " cannot be read to keep it as " + shown + ".bak";
            return false;
        }
        if (previous == text) return true;
        if (!WriteWholeFile(path + ".bak", previous)) {
            why = shown + ".bak cannot be written, so nothing was saved";
            return false;
        }
    }
    if (!WriteWholeFile(path, text)) {
        why = shown + " cannot be written";
        return false;
    }
    return true;
}

}  // namespace editor
