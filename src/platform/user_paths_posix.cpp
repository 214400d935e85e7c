// SPDX-License-Identifier: GPL-3.0-or-later
// The player's folders on Linux and other POSIX systems: the XDG base directories. A variable
// that is unset, empty or not an absolute path counts as unset, as the XDG rules say, so the
// game never makes a folder at the root or beside wherever it was started.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/user_paths.h"

namespace {
std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// $VARIABLE when it is an absolute path, else ~/fallback; "" without a home.
std::string xdg_base(const char* variable, const char* fallback) {
    std::string base = env(variable);
    if (!base.empty() && base[0] == '/') return base;
    const std::string home = env("HOME");
    if (home.empty() || home[0] != '/') return "";
    return home + "/" + fallback;
}
}  // namespace

std::string SettingsFilePath() {
    const std::string base = xdg_base("XDG_CONFIG_HOME", ".config");
    return base.empty() ? "" : base + "/varnoth/varnoth.ini";
}

std::string UserDataFolder() {
    const std::string base = xdg_base("XDG_DATA_HOME", ".local/share");
    if (base.empty()) return "";
    const std::string folder = base + "/varnoth";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) return "";
    return folder + "/";
}
