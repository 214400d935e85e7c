// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on Windows: there is no configuration folder apart from the data folder, so
// it sits in the roaming preference folder beside the top score (%APPDATA%\varnoth\).
#include <string>

#include "platform/user_paths.h"

std::string SettingsFilePath() {
    std::string folder = UserDataFolder();
    return folder.empty() ? "" : folder + "varnoth.ini";
}
