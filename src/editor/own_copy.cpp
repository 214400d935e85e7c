// SPDX-License-Identifier: GPL-3.0-or-later
// Each file is written whole; a copy that fails half-way is taken away again, so that the
// player's packs folder never holds half a pack that would be listed as broken.
#include "editor/own_copy.h"

#include <filesystem>

#include "packs/pack_folder.h"
#include "platform/platform.h"
#include "platform/user_paths.h"

namespace editor {

namespace {

bool separator(char c) {
    return c == '/' || c == '\\';
}

std::string without_end_separators(std::string path) {
    while (path.size() > 1 && separator(path.back())) path.pop_back();
    return path;
}

// Both absolute, each named the same way.
bool inside(const std::string& path, const std::string& folder) {
    const std::string p = without_end_separators(path), f = without_end_separators(folder);
    return p.compare(0, f.size(), f) == 0 && (p.size() == f.size() || separator(p[f.size()]));
}

void take_away(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(std::u8string(folder.begin(), folder.end())),
                                ignored);
}

}  // namespace

std::string own_copy_folder(const std::string& folder) {
    const std::string absolute = AbsolutePath(folder);
    if (FileType(absolute) != 2 || FolderWritable(absolute)) return "";
    const std::string packs = PlayersPacksFolder();
    if (packs.empty() || inside(absolute, AbsolutePath(packs))) return "";
    std::string name = PathLastName(absolute);
    if (name.empty()) name = "pack";
    for (int n = 1;; ++n) {
        const std::string copy = packs + name + (n == 1 ? "" : "-" + std::to_string(n));
        if (FileType(copy) == 0) return copy;
    }
}

bool copy_pack(const std::string& from, const std::string& to, std::string& why) {
    const std::string source = AbsolutePath(from), target = AbsolutePath(to);
    if (FileType(target) != 0) {
        why = to + " is there already";
        return false;
    }
    if (!MakeFolders(target)) {
        why = "the folder " + to + " cannot be made";
        return false;
    }
    for (const std::string& name : FolderEntries(source, false)) {
        std::string bytes;
        if (!ReadWholeFile(pack_file(source, name), bytes)) {
            why = pack_file(from, name) + " cannot be read";
        } else if (!WriteWholeFile(pack_file(target, name), bytes)) {
            why = pack_file(to, name) + " cannot be written";
        } else {
            continue;
        }
        take_away(target);
        return false;
    }
    return true;
}

}  // namespace editor
