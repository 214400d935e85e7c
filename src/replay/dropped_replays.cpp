// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/dropped_replays.h"

#include <string>

#include "options/title_screens.h"
#include "platform/dropped_files.h"
#include "replay/replay_list_screen.h"

namespace {

std::string g_dropped;

// The name alone: the browser's copy lives in a folder of the page's, which tells the player
// nothing.
std::string file_name(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool play_dropped() {
    std::string why;
    const bool closed = watch_replay(g_dropped, why);
    if (!why.empty()) ShowNotice(file_name(g_dropped) + ": " + why);
    g_dropped.clear();
    return closed;
}

}  // namespace

void add_dropped_replays() {
    AddTitleScreen(
        [] {
            g_dropped = TakeDroppedFile();
            return !g_dropped.empty();
        },
        play_dropped);
}
