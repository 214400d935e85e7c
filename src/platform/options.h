// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line, GNU style. Options override the settings file for one
// run and are never saved.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/settings.h"

struct CommandLine {
    bool run = true;  // false: print `out` / `err` and exit with `status`
    int status = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
    std::optional<bool> fullscreen;
    std::optional<ScaleMode> scale;
    std::string pack;        // --pack DIR: play this level pack for this run
    std::string check_pack;  // --check-pack DIR: check this level pack and exit
    // --edit DIR [L.A]: open the level editor on an area of the pack in DIR (1.1 by default).
    std::string edit;
    int edit_level = 1, edit_area = 1;
};

// `args` without the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
// The settings of this run: the file's, with the command line's choices over them.
Settings ApplyCommandLine(Settings settings, const CommandLine& line);
// "varnoth X.Y.Z".
std::string VersionText();
