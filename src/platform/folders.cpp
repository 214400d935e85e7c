// SPDX-License-Identifier: GPL-3.0-or-later
// Whole files and folders by the game's paths: what level packs are read from and written to.
// The paths are UTF-8 on every system; std::filesystem takes them through fs_path.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/internal.h"

namespace {

std::string utf8(const std::filesystem::path& path) {
    const std::u8string u = path.u8string();
    return std::string(u.begin(), u.end());
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::vector<uint8_t> data;
    if (!plat::read_all(path, data)) return false;
    bytes.assign(data.begin(), data.end());
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    const std::string target = ResolvePath(path);
    const std::string scratch = target + ".new";
    FILE* f = plat::open_file(scratch, "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok && RenameOver(scratch, target)) return true;
    std::error_code ignored;
    std::filesystem::remove(plat::fs_path(scratch), ignored);
    return false;
}

std::vector<std::string> FolderEntries(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(plat::fs_path(ResolvePath(folder)), error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (it->is_directory(ignored) == folders) names.push_back(utf8(it->path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool MakeFolders(const std::string& folder) {
    std::error_code error;
    const std::filesystem::path path = plat::fs_path(ResolvePath(folder));
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(plat::fs_path(path), error);
    return error ? path : utf8(absolute.lexically_normal());
}

std::string PathLastName(const std::string& path) {
    std::string p = path;
    while (!p.empty() && (p.back() == '/' || p.back() == '\\')) p.pop_back();
    const size_t slash = p.find_last_of("/\\");
    return slash == std::string::npos ? p : p.substr(slash + 1);
}
