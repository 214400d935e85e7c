// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/dropped_replays.h"

#include <string>

#include "options/title_screens.h"
#include "platform/dropped_files.h"
#include "platform/platform.h"
#include "replay/replay_list_screen.h"

namespace {

std::string g_dropped;

bool play_dropped() {
    std::string why;
    const bool closed = watch_replay(g_dropped, why);
    // The name alone: the browser's copy lives in a folder of the page's, which tells the
    // player nothing.
    if (!why.empty()) ShowNotice(PathLastName(g_dropped) + ": " + why);
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
