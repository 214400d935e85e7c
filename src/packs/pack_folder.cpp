// SPDX-License-Identifier: GPL-3.0-or-later
// The files of a pack folder. Paths stay as the player gave them in every message; the files
// are opened by their absolute paths, since the game's own relative paths start from the
// program's folder, not from where the player typed the command.
#include "packs/pack_folder.h"

#include <algorithm>
#include <cstdio>

#include "platform/platform.h"

namespace {

// "map<L>.<A>.txt" with any numbers, as a player names a source; false for other names.
bool source_numbers(const std::string& name, int& level, int& area) {
    int used = 0;
    char dot = 0;
    if (std::sscanf(name.c_str(), "map%d%c%d.txt%n", &level, &dot, &area, &used) != 3 ||
        dot != '.' || used != static_cast<int>(name.size()))
        return false;
    return name == "map" + std::to_string(level) + "." + std::to_string(area) + ".txt";
}

enum class FileRead { kRead, kMissing, kUnreadable };

FileRead read_file(const std::string& path, std::string& text) {
    const std::string absolute = AbsolutePath(path);
    const int type = FileType(absolute);
    if (type == 0) return FileRead::kMissing;
    if (type == 2 || !ReadWholeFile(absolute, text)) return FileRead::kUnreadable;
    return FileRead::kRead;
}

}  // namespace

std::string area_source_name(int level, int area) {
    return "map" + std::to_string(level) + "." + std::to_string(area) + ".txt";
}

std::string pack_file(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    if (last == '/' || last == '\\') return folder + name;
    const bool backslashes =
        folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
    return folder + (backslashes ? "\\" : "/") + name;
}

std::vector<std::pair<int, int>> pack_areas(const std::string& folder,
                                            std::vector<std::string>* strays) {
    std::vector<std::pair<int, int>> areas;
    const std::string absolute = AbsolutePath(folder);
    // A folder named like a source is a source that cannot be read, not nothing.
    for (bool folders : {false, true}) {
        for (const std::string& name : FolderEntries(absolute, folders)) {
            int level = 0, area = 0;
            if (!source_numbers(name, level, area)) continue;
            if (level >= 1 && level <= 5 && area >= 1 && area <= 3)
                areas.emplace_back(level, area);
            else if (strays)
                strays->push_back(name);
        }
    }
    std::sort(areas.begin(), areas.end());
    return areas;
}

bool read_pack_ini(const std::string& folder, PackInfo& info, std::vector<PackMessage>& messages) {
    const std::string path = pack_file(folder, kPackIniName);
    std::string text;
    const FileRead read = read_file(path, text);
    if (read != FileRead::kRead) {
        info = PackInfo{};
        messages.push_back(PackMessage{path, 0, 0, -1, -1,
                                       read == FileRead::kMissing
                                           ? "missing: a pack folder holds a pack.ini naming the "
                                             "pack's id, title, author, licence and version"
                                           : "cannot be read"});
        return false;
    }
    return parse_pack_ini(text, path, info, messages);
}

bool write_pack_ini(const std::string& folder, const PackInfo& info, std::string& why) {
    why = pack_info_problem(info);
    if (!why.empty()) return false;
    const std::string absolute = AbsolutePath(folder);
    if (!MakeFolders(absolute)) {
        why = "the folder " + folder + " cannot be made";
        return false;
    }
    const std::string path = pack_file(absolute, kPackIniName);
    std::string previous;
    if (FileType(path) == 1 && !ReadWholeFile(path, previous)) previous.clear();
    if (!WriteWholeFile(path, format_pack_ini(info, previous))) {
        why = pack_file(folder, kPackIniName) + " cannot be written";
        return false;
    }
    return true;
}

bool read_area_source(const std::string& folder, int level, int area, std::string& text,
                      std::string& why) {
    const FileRead read = read_file(pack_file(folder, area_source_name(level, area)), text);
    why = read == FileRead::kMissing      ? "missing"
          : read == FileRead::kUnreadable ? "cannot be read"
                                          : "";
    return read == FileRead::kRead;
}
