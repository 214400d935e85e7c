// The player's folders and the probe that decides where the top score goes.
#include "platform/user_paths.h"

#include <SDL2/SDL.h>
#include <fcntl.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>  // open, close, unlink
#endif

#include <cstdio>
#include <cstdlib>

#include "platform/internal.h"

namespace {
std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}
}  // namespace

std::string SettingsFilePath() {
    std::string base = env("XDG_CONFIG_HOME");
    // The base directory specification ignores relative paths.
    if (base.empty() || base[0] != '/') {
        std::string home = env("HOME");
        if (home.empty()) return "";
        base = home + "/.config";
    }
    return base + "/varnoth/varnoth.ini";
}

std::string UserDataFolder() {
    char* pref = SDL_GetPrefPath("", "varnoth");
    if (!pref) return "";
    std::string folder = pref;
    SDL_free(pref);
    return folder;
}

bool FolderWritable(const std::string& folder) {
    std::string probe = folder + "/.varnoth-write-probe-" + std::to_string(getpid());
    int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    return true;
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
