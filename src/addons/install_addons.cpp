// SPDX-License-Identifier: GPL-3.0-or-later
// Each added module sets its own hooks here, so that one file shows every way in.
#include "addons/install_addons.h"

#include "options/install_options.h"
#include "packs/maps_in_force.h"
#include "replay/replay_session.h"
#include "shell/addon_hooks.h"

void install_addons() {
    install_options();
    install_pack_hooks();
    // Last: the replays wrap the hooks set before them.
    install_replays();
}
