// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on Linux and other POSIX systems: the XDG configuration folder.
#include <cstdlib>
#include <string>

#include "platform/user_paths.h"

namespace {
std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}
}  // namespace

std::string SettingsFilePath() {
    std::string base = env("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is not to be trusted: it would depend on the current folder.
    if (base.empty() || base[0] != '/') {
        std::string home = env("HOME");
        if (home.empty()) return "";
        base = home + "/.config";
    }
    return base + "/varnoth/varnoth.ini";
}
