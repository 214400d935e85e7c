// SPDX-License-Identifier: GPL-3.0-or-later
// The one live game-state record and the media catalogue's handles.
#include "shell/globals.h"

game_state the_state;

game_state save_state() {
    game_state copy;
    save_state_into(copy);
    return copy;
}

void save_state_into(game_state& copy) {
    copy = the_state;
    copy.rnd_state = RndState();
    copy.platform = SavePlatformState();
}

void load_state(const game_state& saved) {
    the_state = saved;
    LoadPlatformState(saved.platform.get());
    SetRndState(saved.rnd_state);
}

TImageFont* font_main = nullptr;
TImage* img_logo = nullptr;
TImage* img_title = nullptr;
TImage* img_strip = nullptr;
TImage* img_screen = nullptr;
TImage* img_sprites = nullptr;
TImage* img_sprites2 = nullptr;
TChannel* music_channel = nullptr;

TSound* snd_tilesong = nullptr;
TSound* snd_boing = nullptr;
TSound* snd_jump = nullptr;
TSound* snd_magic = nullptr;
TSound* snd_bonk = nullptr;
TSound* snd_bash = nullptr;
TSound* snd_powerup = nullptr;
TSound* snd_popout = nullptr;
TSound* snd_runestone = nullptr;
TSound* snd_extralife = nullptr;
TSound* snd_invincible = nullptr;
TSound* snd_hidden = nullptr;
TSound* snd_fireball = nullptr;
TSound* snd_bonus = nullptr;
TSound* snd_wiskin = nullptr;
TSound* snd_splash = nullptr;
TSound* snd_jdeath1 = nullptr;
TSound* snd_jdeath2 = nullptr;
TSound* snd_witch = nullptr;
TSound* snd_edeath = nullptr;
TSound* snd_splat = nullptr;
TSound* snd_powerdwn = nullptr;
TSound* snd_scorpshot = nullptr;
TSound* snd_cannon = nullptr;
TSound* snd_hbthrow = nullptr;
TSound* snd_efireball = nullptr;
