// SPDX-License-Identifier: GPL-3.0-or-later
// Each added module sets its own hooks here, so that one file shows every way in.
#include "addons/install_addons.h"

#include "editor/editor.h"
#include "options/install_options.h"
#include "packs/levels_item.h"
#include "packs/maps_in_force.h"
#include "replay/replay_session.h"
#include "shell/addon_hooks.h"

void install_addons() {
    install_options();
    install_pack_hooks();
    install_levels_page([](const std::string& folder) {
        return run_editor(EditRequest{folder, 1, 1});
    });
    // Last: the replays wrap the hooks set before them.
    install_replays();
    // A test play in the editor is the author's, not a game of the player's.
    set_replay_recording_barred(editor_test_play_active);
}
