// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the command line.
#include "platform/options.h"

#include <cstdio>

namespace {

const char* const kUsage =
    "Usage: varnoth [OPTION]... [FILE.vrp]\n"
    "Play Varnoth, or watch the replay in FILE.vrp and go on to the title.\n"
    "\n"
    "  --window            play in a window\n"
    "  --fullscreen        play full screen\n"
    "  --scale fit|integer fill the screen sharply (fit) or keep to whole factors (integer)\n"
    "  --pack DIR          play the level pack in folder DIR\n"
    "  --check-pack DIR    check the level pack in folder DIR and exit (status 0: it can be\n"
    "                      played)\n"
    "  --edit DIR [L.A]    edit area L.A (1.1 when not given) of the level pack in folder\n"
    "                      DIR, made a pack when it is none yet\n"
    "  --validate FILE...  play each replay headless to its end, one line a file, and exit\n"
    "                      (status 0: all of them are good)\n"
    "  --help              show this help and exit\n"
    "  --version           show the version and exit\n"
    "\n"
    "These choices hold for this run only; the settings file keeps the rest.\n";

CommandLine refuse(const std::string& why) {
    CommandLine c;
    c.run = false;
    c.status = 2;
    c.err = "varnoth: " + why + "\n" + kUsage;
    return c;
}

}  // namespace

std::string VersionText() {
    return std::string("varnoth ") + VARNOTH_VERSION;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool has_value = false;
        size_t eq = arg.find('=');
        if (arg.compare(0, 2, "--") == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1), arg = arg.substr(0, eq), has_value = true;
        }
        if (arg == "--help" || arg == "--version" || arg == "--window" || arg == "--fullscreen") {
            if (has_value) return refuse("option '" + arg + "' takes no value");
            if (arg == "--help") {
                CommandLine help;
                help.run = false;
                help.out = kUsage;
                return help;
            }
            if (arg == "--version") {
                CommandLine version;
                version.run = false;
                version.out = VersionText() + "\n";
                return version;
            }
            c.fullscreen = arg == "--fullscreen";
        } else if (arg == "--scale") {
            if (!has_value) {
                if (i + 1 >= args.size()) return refuse("option '--scale' needs fit or integer");
                value = args[++i];
            }
            if (value == "fit") {
                c.scale = ScaleMode::kFit;
            } else if (value == "integer") {
                c.scale = ScaleMode::kInteger;
            } else {
                return refuse("'" + value + "' is not a scale (fit or integer)");
            }
        } else if (arg == "--pack" || arg == "--check-pack") {
            if (!has_value) {
                if (i + 1 >= args.size()) return refuse("option '" + arg + "' needs a folder");
                value = args[++i];
            }
            if (value.empty()) return refuse("option '" + arg + "' needs a folder");
            (arg == "--pack" ? c.pack : c.check_pack) = value;
        } else if (arg == "--edit") {
            if (!has_value) {
                if (i + 1 >= args.size()) return refuse("option '--edit' needs a folder");
                value = args[++i];
            }
            if (value.empty()) return refuse("option '--edit' needs a folder");
            c.edit = value;
            if (i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-') {
                int level = 0, area = 0;
                char tail = 0;
                if (std::sscanf(args[i + 1].c_str(), "%d.%d%c", &level, &area, &tail) != 2 ||
                    level < 1 || level > 5 || area < 1 || area > 3)
                    return refuse("'" + args[i + 1] + "' is not an area (L.A, L 1..5, A 1..3)");
                c.edit_level = level, c.edit_area = area;
                ++i;
            }
        } else {
            return refuse("unknown option '" + args[i] + "'");
        }
    }
    return c;
}

Settings ApplyCommandLine(Settings settings, const CommandLine& line) {
    if (line.fullscreen) settings.fullscreen = *line.fullscreen;
    if (line.scale) settings.scale = *line.scale;
    return settings;
}
