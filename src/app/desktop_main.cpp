// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a player starts it: a real window, real sound and real devices, with the
// player's settings file and the command line's choices for this run.
#include <cstdio>
#include <string>
#include <vector>

#include "addons/install_addons.h"
#include "bot/area_check_child.h"
#include "editor/editor.h"
#include "packs/pack_check.h"
#include "packs/pack_start.h"
#include "platform/backend.h"
#include "platform/options.h"
#include "platform/platform.h"
#include "platform/user_paths.h"
#include "replay/dropped_replays.h"
#include "replay/replay_argument.h"
#include "replay/replay_list_screen.h"
#include "replay/replay_programs.h"
#include "replay/replay_session.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
    if (area_check_child_wanted(argc, argv)) return area_check_child_main();
    std::vector<std::string> args = PlatformArguments(argc, argv);
    if (args.size() == 2 && args[0] == kValidateOneArgument) return validate_one_replay(args[1]);
    if (!args.empty() && args[0] == "--validate") {
        PlatformUseParentConsole();
        return validate_replays(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    // A replay file given to the program (a file manager's "open with") is played at once.
    const std::string replay_file = take_replay_argument(args);
    const CommandLine line = ParseCommandLine(args);
    if (!line.run) {
        PlatformUseParentConsole();
        std::fputs(line.out.c_str(), stdout);
        std::fputs(line.err.c_str(), stderr);
        return line.status;
    }
    if (!line.check_pack.empty()) {
        PlatformUseParentConsole();
        return print_pack_check(line.check_pack);
    }
    const std::string path = SettingsFilePath();
    std::vector<std::string> warnings;
    const Settings file = path.empty() ? Settings{} : LoadSettings(path, warnings);
    for (const std::string& w : warnings) std::fprintf(stderr, "varnoth: %s\n", w.c_str());
    PlatformUseDesktop();
    PlatformUseSettings(ApplyCommandLine(file, line), file, path);
    install_addons();
    if (!line.edit.empty()) editor_program(EditRequest{line.edit, line.edit_level, line.edit_area});
    start_with_pack(line.pack, StartingPack());
    // Every game the player plays is kept; a folder that cannot be had is named when a game ends.
    const std::string replays = UserDataSubfolder("replays");
    record_games_to_folder(replays);
    const std::string data = UserDataFolder();
    const std::string areas = data.empty() ? "" : data + "areas-reached.txt";
    keep_areas_reached_in(areas);
    add_replay_list(replays, areas);
    add_dropped_replays();
    if (!replay_file.empty()) {
        start_up();
        after_logo();
        std::string why;
        const bool closed = watch_replay(replay_file, why);
        if (!why.empty()) {
            PlatformUseParentConsole();
            std::fprintf(stderr, "varnoth: %s: %s\n", replay_file.c_str(), why.c_str());
        }
        if (!closed) main_loop();
        End();
    }
    varnoth_main();
}
