// SPDX-License-Identifier: GPL-3.0-or-later
// Every piece of the game's state lives in one record, game_state, so that a test or a tool
// can set up a situation, run frames, and copy or compare the whole state. The names the game
// uses (game, map_cells, player, ...) are references into the one live record. The media
// catalogue (images, font, sounds) is loaded once and is not part of the copied state.
#pragma once

#include "enemies/monster_tag.h"
#include "enemies/specialfx_tag.h"
#include "platform/platform.h"
#include "player/fireball_tag.h"
#include "player/player_tag.h"
#include "shell/demo_tag.h"
#include "shell/game_tag.h"
#include "world/elevator_tag.h"
#include "world/map_tag.h"
#include "world/specialitem_tag.h"

struct game_state {
    game_tag game;
    map_tag map_cells[map_tag::kCells];
    player_tag player[2];
    fireball_tag fireball;
    demo_tag demo[demo_tag::kRecords];
    TList<monster_tag> monster_list;
    TList<specialfx_tag> specialfx_list;
    TList<specialitem_tag> specialitem_list;
    TList<elevator_tag> elevator_list;
    int demo_playing = 0;
    int demo_pos = 0;
    int demo_next = 1;
    float joy_left_threshold = 0;
    float joy_right_threshold = 0;
    float joy_up_threshold = -1.0f;
    float joy_down_threshold = 1.0f;
    int32_t rnd_state = 0;  // filled by save_state(), applied by load_state()
    // The devices, scripted input, clock and drawing state: filled by save_state() too.
    std::shared_ptr<const TPlatformState> platform;
};

extern game_state the_state;

inline game_tag& game = the_state.game;
inline map_tag (&map_cells)[map_tag::kCells] = the_state.map_cells;
inline player_tag (&player)[2] = the_state.player;
inline fireball_tag& fireball = the_state.fireball;
inline demo_tag (&demo)[demo_tag::kRecords] = the_state.demo;
inline TList<monster_tag>& monster_list = the_state.monster_list;
inline TList<specialfx_tag>& specialfx_list = the_state.specialfx_list;
inline TList<specialitem_tag>& specialitem_list = the_state.specialitem_list;
inline TList<elevator_tag>& elevator_list = the_state.elevator_list;
inline int& demo_playing = the_state.demo_playing;
inline int& demo_pos = the_state.demo_pos;
inline int& demo_next = the_state.demo_next;
inline float& joy_left_threshold = the_state.joy_left_threshold;
inline float& joy_right_threshold = the_state.joy_right_threshold;
inline float& joy_up_threshold = the_state.joy_up_threshold;
inline float& joy_down_threshold = the_state.joy_down_threshold;

// The hero in play: the entry game.curplayer of player.
inline player_tag& hero() {
    return player[game.curplayer];
}

// A copy of the whole game state, random generator and the machine's side included: loading
// it runs the same frames again, frame numbers and pending input included.
game_state save_state();
// The same into a copy made before, whose memory (list nodes included) it reuses.
void save_state_into(game_state& copy);
void load_state(const game_state& saved);

// Media catalogue.
extern TImageFont* font_main;
extern TImage* img_logo;
extern TImage* img_title;
extern TImage* img_strip;
extern TImage* img_screen;
extern TImage* img_sprites;
extern TImage* img_sprites2;
extern TChannel* music_channel;

extern TSound* snd_tilesong;
extern TSound* snd_boing;
extern TSound* snd_jump;
extern TSound* snd_magic;
extern TSound* snd_bonk;
extern TSound* snd_bash;
extern TSound* snd_powerup;
extern TSound* snd_popout;
extern TSound* snd_runestone;
extern TSound* snd_extralife;
extern TSound* snd_invincible;
extern TSound* snd_hidden;
extern TSound* snd_fireball;
extern TSound* snd_bonus;
extern TSound* snd_wiskin;
extern TSound* snd_splash;
extern TSound* snd_jdeath1;
extern TSound* snd_jdeath2;
extern TSound* snd_witch;
extern TSound* snd_edeath;
extern TSound* snd_splat;
extern TSound* snd_powerdwn;
extern TSound* snd_scorpshot;
extern TSound* snd_cannon;
extern TSound* snd_hbthrow;
extern TSound* snd_efireball;

// Plays an effect on a fresh channel, only while effects are switched on.
inline void play_effect(TSound* sound) {
    if (game.sound == 1) PlaySound(sound, nullptr);
}

// Float to integer conversion everywhere in the game truncates toward zero.
inline int Int(double v) {
    return static_cast<int>(v);
}
