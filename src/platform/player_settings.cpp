// SPDX-License-Identifier: GPL-3.0-or-later
// The settings in force during a desktop run: what the game starts with, what it changes, and
// writing them back at exit. The headless backend has none and saves nothing.
#include <SDL2/SDL.h>

#include <cstdio>

#include "platform/internal.h"
#include "platform/key_bindings.h"
#include "platform/pad_bindings.h"
#include "platform/player_choices.h"

namespace {
// What follows from the settings outside the display: bindings and volumes.
void put_in_force(const Settings& s) {
    plat::key_bindings() = BindingsFrom(s);
    plat::pad_bindings() = plat::PadBindingsFrom(s);
    plat::audio_set_volumes(s.effects_volume, s.music_volume);
}
}  // namespace

void PlatformUseSettings(const Settings& in_force, const Settings& file, const std::string& path) {
    plat::config().settings = in_force;
    plat::config().saved = file;
    plat::config().settings_path = path;
    put_in_force(in_force);
}

const Settings& SettingsInForce() {
    return plat::config().settings;
}

void ApplySettings(const Settings& s) {
    plat::Config& c = plat::config();
    const Settings before = c.settings;
    Settings saved = s;
    // A choice the command line made for this run stays out of the file unless changed here.
    if (s.fullscreen == before.fullscreen) saved.fullscreen = c.saved.fullscreen;
    if (s.scale == before.scale) saved.scale = c.saved.scale;
    c.settings = s;
    c.saved = saved;
    put_in_force(s);
    plat::display_apply(before, s);
}

bool SaveSettingsNow() {
    const plat::Config& c = plat::config();
    if (c.headless || c.settings_path.empty()) return true;
    return SaveSettings(c.settings_path, c.saved);
}

std::string TakeKeyPress() {
    plat::pump_events();
    return plat::take_key_press();
}

std::string TakePadPress() {
    plat::pump_events();
    return plat::take_pad_press();
}

std::string KeyDisplayName(const std::string& name) {
    const SDL_Keycode key = SDL_GetKeyFromName(name.c_str());
    return key == SDLK_UNKNOWN ? name : SDL_GetKeyName(key);
}

bool TakePadUnplugged() {
    return plat::input_take_pad_unplugged();
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

PadKind ConnectedPad() {
    const int kind = plat::input_pad_kind();
    return kind == 1 ? PadKind::kController : kind == 2 ? PadKind::kJoystick : PadKind::kNone;
}
