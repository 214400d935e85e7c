// SPDX-License-Identifier: GPL-3.0-or-later
// The single game-state record: state number, switches, timers and the cauldron position,
// together with the game-wide routines (functions without a receiver, in their slot order).
#pragma once

#include <string>

struct player_tag;

struct game_tag {
    int state = 0;
    int topscore = 0;
    int players = 0;
    int curplayer = 0;
    int jump = 0;
    int tracertmr = 0;
    int invincible = 0;
    int fbflashstp = 0;
    int fbflashctr = 0;
    int turbo = 0;
    int sound = 0;
    int onplatform = 0;
    int cauldx = 0;
    int cauldy = 0;
    int cauldfc = 0;
    int cauldft = 0;
    std::string setpoint;
    int curdir = 0;
    int fbshoot = 0;
    int cpflasher = 0;
    int tovodeath = 0;
    int wlaugh = 0;
    int savesc = 0;
    int item = 0;
    int wltimer = 0;
    int scmx = 0;
    int scmy = 0;
    int scmys = 0;
    int fireballtmr = 0;
    int fireballmaxtmr = 0;
    int autoturbo = 0;
    int music = 0;
    int soundset = 0;

    // Game states.
    static constexpr int kPlay = 1;
    static constexpr int kLevelIntro = 2;
    static constexpr int kGameOver = 3;
    static constexpr int kLevelEnd = 4;
    static constexpr int kDeath = 5;
    static constexpr int kTitle = 6;
    static constexpr int kQuit = 7;
    static constexpr int kEnding = 8;

    static void show_logo();              // shell/logo.cpp
    static void title_screen();           // shell/title_screen.cpp
    static void start_new();              // shell/new_game.cpp
    static void level_intro();            // shell/level_intro.cpp
    static void play_game();              // shell/play_loop.cpp
    static void end_level();              // world/level_end.cpp
    static void tovo_death();             // player/death.cpp
    static void game_over();              // player/game_over.cpp
    static void draw_endbkgr();           // enemies/ending.cpp
    static void the_ending();             // enemies/ending.cpp
    static void update_cauldron(int dx);  // world/cauldron.cpp
    static void display();                // shell/hud.cpp
    static void key_inputs();             // shell/key_commands.cpp
    static void destroy_all();            // shell/play_loop.cpp
    static void load_media();             // shell/media.cpp
};

// The only way the game prints text (shell/hud.cpp).
void draw_shadow_text(int x, int y, int r, int g, int b, const std::string& text, int centred);

// The title banner towed by the witch, and its text (shell/title_screen.cpp).
void draw_banner();
std::string banner_text();

// The top-score file: save 0 loads, save 1 writes (shell/hiscore.cpp).
void hiscore_file(int save);
// The same on a file of the caller's choosing (tests point it at a scratch directory).
void hiscore_file_at(int save, const std::string& path);

// Suspend handling repeated at the end of every frame of every screen loop (shell/main_loop.cpp).
void suspend_handling();
// Flip(-1) followed by the suspend handling: the end of a frame in every screen loop.
void frame_end();
// True when Escape was pressed or the window was asked to close; game.state is then 7, so the
// main loop ends with the normal shut-down once the screen has returned.
bool quit_requested();
// frame_end() followed by quit_requested(): the screens that run their own frames leave their
// loop when it is true.
bool frame_end_or_quit();

// The play loop's top-score rule for a player just paid, in play or outside it: a score above
// the top score becomes the top score, except during the attract demo (shell/top_score.cpp).
void keep_top_score(const player_tag& paid);
// A finished game saves the top score at once, so a record survives a crash or a power cut
// after it; the attract demo saves nothing.
void save_top_score_now();
