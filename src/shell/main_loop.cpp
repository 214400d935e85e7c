// SPDX-License-Identifier: GPL-3.0-or-later
// The program's spine: start-up in its fixed order, the main loop that hands each frame to the
// routine of the current game state, the suspend handling every screen repeats, and shut-down.
#include "shell/globals.h"
#include "shell/startup.h"

void suspend_handling() {
    if (!AppSuspended()) return;
    if (game.music == 1) PauseChannel(music_channel);
    // The game does nothing else while it is inactive.
    while (AppSuspended()) Delay(10);
    if (game.music == 1) ResumeChannel(music_channel);
}

void frame_end() {
    Flip(-1);
    suspend_handling();
}

bool quit_requested() {
    constexpr int kEscape = 27;
    if (KeyHit(kEscape) == 0 && !AppTerminate()) return false;
    game.state = game_tag::kQuit;
    return true;
}

bool frame_end_or_quit() {
    frame_end();
    return quit_requested();
}

void seed_random_generator() {
    // MilliSecs counts from start-up and reads nearly the same here on every run; the wall
    // clock does not.
    SeedRnd(WallClockMilliSecs());
}

void start_up() {
    register_embedded_resources();
    AppTitle("Varnoth");
    Graphics(640, 480, 32, 60, 2);
    AutoImageFlags(kMaskedImage | kDynamicImage);
    demo_tag::Create();
    joy_left_threshold = -1.0f;
    joy_right_threshold = 1.0f;
    game = game_tag{};
    fireball = fireball_tag{};
    map_tag::Create();
    player_tag::Create();
    monster_list.Clear();
    specialfx_list.Clear();
    specialitem_list.Clear();
    elevator_list.Clear();
    JoyCount();
    HideMouse();
    seed_random_generator();
    // As the player left them last time (both on for a first run).
    game.sound = StartingEffects();
    game.music = StartingMusic();
    preload_demos();
    game_tag::load_media();
}

void run_state_routine() {
    switch (game.state) {
        case game_tag::kPlay:
            game_tag::play_game();
            break;
        case game_tag::kLevelIntro:
            game_tag::level_intro();
            break;
        case game_tag::kGameOver:
            game_tag::game_over();
            break;
        case game_tag::kLevelEnd:
            game_tag::end_level();
            break;
        case game_tag::kDeath:
            game_tag::tovo_death();
            break;
        case game_tag::kTitle:
            game_tag::title_screen();
            break;
        case game_tag::kEnding:
            game_tag::the_ending();
            break;
        default:
            break;  // 7, quit: nothing runs
    }
}

void after_logo() {
    game.soundset = StartingEffects();
    if (game.music == 0 && !ChannelPlaying(music_channel)) {
        // Music switched off last time: the logo did not start the tune, so it starts here
        // silent and paused, and F3 resumes it as it would after any other pause.
        SetChannelVolume(music_channel, 0.0f);
        PlaySound(snd_tilesong, music_channel);
        PauseChannel(music_channel);
        SetChannelVolume(music_channel, 1.0f);
    }
    game.autoturbo = 1;
    game.state = game_tag::kTitle;
    hiscore_file(0);
    game.scmx = 640;
    game.scmy = 200;
}

bool main_loop_frame() {
    Cls();
    ResetCollisions(0);
    game_tag::key_inputs();
    run_state_routine();
    game_tag::display();
    Flip(-1);
    suspend_handling();
    // Tested in this order; a later test is skipped once an earlier one ends the loop.
    if (KeyHit(27)) return false;
    if (game.state == game_tag::kQuit) return false;
    if (AppTerminate()) return false;
    return true;
}

void main_loop() {
    while (main_loop_frame()) {
    }
    if (ChannelPlaying(music_channel)) {
        StopChannel(music_channel);
        Delay(500);
    }
    hiscore_file(1);
    // What the attract demo mutes is not the player's choice.
    KeepEffectsAndMusic(demo_playing == 1 ? game.soundset : game.sound, game.music);
    End();
}

void varnoth_main() {
    start_up();
    game_tag::show_logo();
    after_logo();
    main_loop();
}
