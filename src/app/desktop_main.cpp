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
#include "shell/startup.h"

int main(int argc, char** argv) {
    if (area_check_child_wanted(argc, argv)) return area_check_child_main();
    const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
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
    varnoth_main();
}
