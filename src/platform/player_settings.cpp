// SPDX-License-Identifier: GPL-3.0-or-later
// The settings in force during a desktop run: what the game starts with, what it changes, and
// writing them back at exit. The headless backend has none and saves nothing.
#include <cstdio>

#include "platform/internal.h"
#include "platform/key_bindings.h"

void PlatformUseSettings(const Settings& in_force, const Settings& file, const std::string& path) {
    plat::config().settings = in_force;
    plat::config().saved = file;
    plat::config().settings_path = path;
    plat::key_bindings() = BindingsFrom(in_force);
}

int StartingEffects() {
    return plat::config().settings.effects ? 1 : 0;
}

int StartingMusic() {
    return plat::config().settings.music ? 1 : 0;
}

void KeepEffectsAndMusic(int effects, int music) {
    for (Settings* s : {&plat::config().settings, &plat::config().saved}) {
        s->effects = effects != 0;
        s->music = music != 0;
    }
}

std::string StartingPack() {
    return plat::config().settings.pack;
}

void KeepChosenPack(const std::string& id) {
    for (Settings* s : {&plat::config().settings, &plat::config().saved}) s->pack = id;
}

namespace plat {
void save_settings_at_exit() {
    const Config& c = config();
    if (c.headless || c.settings_path.empty()) return;
    if (!SaveSettings(c.settings_path, c.saved))
        std::fprintf(stderr, "varnoth: cannot write the settings to %s\n", c.settings_path.c_str());
}
}  // namespace plat
