// SPDX-License-Identifier: GPL-3.0-or-later
// The player's folders on Windows: SDL's roaming preference folder (%APPDATA%\varnoth\), which
// holds the settings beside the top score, as there is no configuration folder of its own.
#include <SDL2/SDL.h>

#include <string>

#include "platform/user_paths.h"

std::string UserDataFolder() {
    char* pref = SDL_GetPrefPath("", "varnoth");
    if (!pref) return "";
    std::string folder = pref;
    SDL_free(pref);
    return folder;
}

std::string SettingsFilePath() {
    std::string folder = UserDataFolder();
    return folder.empty() ? "" : folder + "varnoth.ini";
}
