// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen: title art, the three-entry menu with its bobbing hand, the HUD with the
// last scores and the witch towing the banner. Left alone for 200 frames it plays one of the
// three recorded demos through the real play loop.
#include <algorithm>
#include <string>

#include "shell/addon_hooks.h"
#include "shell/globals.h"
#include "shell/held_button_wait.h"

namespace {
constexpr const char* kEntries[3] = {"Start 1 player game", "Start 2 player game", "Quit game"};
constexpr int kLastEntry = 2;
constexpr int kQuitEntry = 2;
constexpr int kRowHeight = 160;  // the mouse picks an entry by screen band
constexpr int kIdleFrames = 200;
constexpr int kPointerLeft = 175;
constexpr int kPointerRight = 195;
constexpr int kPointerStep = 2;
constexpr int kHandFrame = 123;
constexpr int kDemoLevel = 3;
constexpr int kRecordings = 3;
constexpr float kGameMusicVolume = 0.4f;

constexpr int kBroomFrame = 124;
constexpr int kRopeFrame = 125;
constexpr int kBannerTailFrame = 126;
constexpr int kBannerTop = 200;
constexpr int kBannerBottom = 220;
constexpr int kBannerEntryX = 640;

// Waits until the stick leaves a full deflection; true when the window was closed meanwhile.
bool wait_stick_leaves(float deflection) {
    return wait_while_held([deflection] { return JoyY(0) == deflection; });
}

int next_recording(int n) {
    return n + 1 > kRecordings ? 1 : n + 1;
}

// Starts recording demo_next on its map. A recording that cannot be read is skipped: the menu
// stays as it was, the effects setting untouched, and the next demo tries the next recording.
bool start_demo() {
    const int n = demo_next;
    demo_next = next_recording(n);
    // A refused file leaves the demo buffer as it was, so it can be tried before anything else.
    if (!demo_tag::Load(".0" + std::to_string(n))) return false;
    return begin_demo_play(n);
}

// Left the menu by a move: the idle count restarts, the mouse follows, the hand is heard.
void menu_moved(int sel) {
    demo_pos = 0;
    MoveMouse(0, sel * kRowHeight);
    play_effect(snd_fireball);
}
}  // namespace

bool begin_demo_play(int recording) {
    game.soundset = game.sound;
    game.sound = 0;
    demo_pos = 0;
    demo_playing = 1;
    game_tag::start_new();
    map_tag::reset();
    game.savesc = player[0].score;
    if (!map_tag::Load(kDemoLevel, recording)) {
        demo_playing = 0;
        demo_pos = 0;
        game.sound = game.soundset;
        return false;
    }
    map_tag::initialize();
    return true;
}

std::string banner_text() {
    return "** Welcome To Varnoth! ** Version 1.22 "
           "Made with love by the Varnoth team. "
           "** Press ESC at any time to quit ** The story: An evil witch has turned you into a "
           "Tovo-Lantern! Now, you must enter her castle, find the 5 magic items, and jump into "
           "the Final cauldron To reverse the spell!! ** Game Options: F1=Reset  F2=Toggle Sound "
           "FX  F3=Toggle Music  Space=Pause (play only) ** Enjoy The Game! - Laterz... ** ";
}

void draw_banner() {
    const std::string text = banner_text();
    const int width = TextWidth(text);
    const float x = static_cast<float>(game.scmx);
    const float y = static_cast<float>(game.scmy);
    DrawImage(img_sprites, x, y, kBroomFrame);
    DrawImage(img_sprites, x + 30, y, kRopeFrame);
    DrawImage(img_sprites, x + static_cast<float>(width + 52), y, kBannerTailFrame);
    draw_shadow_text(game.scmx + 45, game.scmy - 10, 10, 220, 10, text, 0);
    game.scmy += game.scmys;
    game.scmx -= KeyDown(kKeySpace) ? 4 : 2;
    if (game.scmx < -(width + 80)) game.scmx = kBannerEntryX;
    if (game.scmy <= kBannerTop) game.scmys = 1;
    if (game.scmy >= kBannerBottom) game.scmys = -1;
}

void game_tag::title_screen() {
    game.cpflasher = 60;
    // Back from a demo: the player's own effects setting returns.
    game.sound = game.soundset;
    MoveMouse(0, 0);
    SetChannelVolume(music_channel, 1.0f);
    demo_playing = 0;
    demo_pos = 0;
    int sel = 0;
    int pointer_x = kPointerLeft;
    int pointer_step = 0;

    for (;;) {
        if (addon_hooks.title_frame && addon_hooks.title_frame()) {
            game.state = kQuit;
            return;
        }
        Cls();
        if (demo_playing == 1) {
            play_game();
            // A demo hero who dies or reaches the cauldron ends the demo there: the death or
            // level-end screens belong to a real game, not to the attract loop.
            const bool left_play = game.state != kTitle;
            if (left_play || demo[demo_pos].direction == demo_tag::kEndMarker || JoyHit(0, 0) ||
                KeyHit(kKeyJump) || MouseHit(1)) {
                demo_playing = 0;
                game.state = kTitle;
                return;
            }
        } else {
            ++demo_pos;
            if (demo_pos >= kIdleFrames && !start_demo()) demo_pos = 0;
        }

        DrawImage(img_title, 320, 100, 0);
        DrawImage(img_strip, 265, 460, 0);
        if (demo_playing == 1) {
            draw_shadow_text(175, 285, 255, 0, 0, "DEMO - Press JUMP to exit", 0);
        } else {
            // A pointer on the very last rows of the screen still means the last entry.
            const int m = std::clamp(MouseY() / kRowHeight, 0, kLastEntry);
            if (m != sel) {
                sel = m;
                play_effect(snd_fireball);
            }
            for (int j = 0; j <= kLastEntry; ++j) {
                const int c = j == sel ? 255 : 40;
                draw_shadow_text(320, 275 + 40 * j, c, c, 0, kEntries[j], 1);
            }
            DrawImage(img_sprites, static_cast<float>(pointer_x),
                      static_cast<float>(290 + 40 * sel), kHandFrame);
            if (addon_hooks.title_draw) addon_hooks.title_draw();
        }

        display();
        draw_banner();
        key_inputs();

        if (demo_playing == 0) {
            pointer_x += pointer_step;
            if (pointer_x >= kPointerRight) pointer_step = -kPointerStep;
            if (pointer_x <= kPointerLeft) pointer_step = kPointerStep;

            if ((KeyHit(kKeyDown) || JoyY(0) == joy_down_threshold) && sel < kLastEntry) {
                ++sel;
                menu_moved(sel);
                if (wait_stick_leaves(joy_down_threshold)) {
                    game.state = kQuit;
                    return;
                }
            }
            if ((KeyHit(kKeyUp) || JoyY(0) == joy_up_threshold) && sel > 0) {
                --sel;
                menu_moved(sel);
                if (wait_stick_leaves(joy_up_threshold)) {
                    game.state = kQuit;
                    return;
                }
            }
            if (KeyHit(kKeyJump) || JoyHit(0, 0) || MouseHit(1)) break;
        }

        if (KeyHit(kKeyEscape) || AppTerminate()) {
            game.state = kQuit;
            return;
        }
        frame_end();
    }

    if (sel == kQuitEntry) {
        game.state = kQuit;
        return;
    }
    game.players = sel;
    game.state = kLevelIntro;
    start_new();
    SetChannelVolume(music_channel, kGameMusicVolume);
    play_effect(snd_hidden);
    FlushKeys();
    FlushMouse();
    // Asking used the close request up, so it becomes the quit the main loop would have made.
    wait_while_jump_button_held();
}
