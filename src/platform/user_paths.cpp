// SPDX-License-Identifier: GPL-3.0-or-later
// The folders inside the player's data folder and the choice of the top score's place.
#include "platform/user_paths.h"

#include <SDL2/SDL.h>

#include <cstdio>

#include "platform/host.h"
#include "platform/internal.h"
#include "platform/platform.h"

std::string UserDataSubfolder(const std::string& name) {
    const std::string base = UserDataFolder();
    if (base.empty()) return "";
    const std::string folder = base + name;
    if (!MakeFolders(folder)) return "";
    // The same separator as the system's own path before it.
    return folder + base.back();
}

std::string ScreenshotsFolder() {
    return UserDataSubfolder("screenshots");
}

std::string PlayersPacksFolder() {
    if (plat::config().headless) {
        const std::string& given = plat::config().options.players_packs;
        if (given.empty() || !MakeFolders(given)) return "";
        const char last = given.back();
        return last == '/' || last == '\\' ? given : given + "/";
    }
    if (!plat::host_takes_players_files()) return "";
    return UserDataSubfolder("packs");
}

std::string ChooseTopScorePath(const std::string& program_file, const std::string& program_folder,
                               const std::function<bool(const std::string&)>& writable,
                               const std::function<std::string()>& user_folder) {
    if (writable(program_folder)) return program_file;
    std::string folder = user_folder();
    return folder.empty() ? "" : folder + "hiscore.dat";
}

std::string TopScoreFile() {
    static const std::string chosen = [] {
        const std::string program_file = "data\\hiscore.dat";
        // The headless runner keeps the top score in its stand-in folder and never touches the
        // player's own folders.
        if (plat::config().headless) return program_file;
        std::string path =
            ChooseTopScorePath(program_file, ResolvePath("data"), FolderWritable, UserDataFolder);
        if (path.empty())
            std::fprintf(stderr,
                         "varnoth: no folder for the top score (%s); it is kept for this run "
                         "only\n",
                         SDL_GetError());
        return path;
    }();
    return chosen;
}
