// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real game one frame at a time, the way varnoth-sim and the title screen run it.
#include "bot/game_driver.h"

#include "shell/startup.h"
#include "sim/game_start.h"

namespace {

constexpr int kDirectionLeft = 1;
constexpr int kDirectionRight = 2;

game_state g_boot;  // the state every run of this process starts from

FrameResult area_outcome(int state) {
    if (state == game_tag::kPlay) return FrameResult::kPlaying;
    if (state == game_tag::kLevelEnd) {
        return hero().area == 3 && game.item == 0 ? FrameResult::kForgotItem
                                                  : FrameResult::kFinished;
    }
    return FrameResult::kDied;
}

// The rest of a title frame once the demo's play frame has run: the same calls, in the same
// order, as title_screen makes them, so the drawing state the next frame inherits is the same.
void title_frame_tail() {
    DrawImage(img_title, 320, 100, 0);
    DrawImage(img_strip, 265, 460, 0);
    draw_shadow_text(175, 285, 255, 0, 0, "DEMO - Press JUMP to exit", 0);
    game_tag::display();
    draw_banner();
    game_tag::key_inputs();
    KeyHit(27);
    AppTerminate();
    frame_end();
}

FrameResult demo_frame(const Move& m) {
    demo[demo_pos] = demo_record(m, demo_pos);
    Cls();
    game_tag::play_game();
    // The title ends the demo as soon as its hero leaves play (the presses it also asks for
    // are asked here too, though the bot never makes them).
    const bool left_play = game.state != game_tag::kTitle;
    const bool pressed = JoyHit(0, 0) || KeyHit(162) || MouseHit(1);
    if (left_play || pressed) return FrameResult::kDied;
    title_frame_tail();
    return FrameResult::kPlaying;
}

}  // namespace

void boot_game(PlayMode mode, const std::string& data_root) {
    HeadlessOptions h;
    h.draw = false;
    h.seed_set = true;
    h.seed = 1;  // varnoth-sim's default seed
    h.data_dir = data_root;
    PlatformUseHeadless(h);
    start_up();
    // The runner's --start skips the logo; the title, and with it the demo, comes after it.
    if (mode == PlayMode::kDemo) game_tag::show_logo();
    after_logo();
    TakeSoundEvents();
    g_boot = save_state();
}

const game_state& booted_state() {
    return g_boot;
}

void start_area(int level, int area) {
    load_state(g_boot);
    begin_game_at(level, area, 1);
    while (game.state != game_tag::kPlay) {
        if (!main_loop_frame()) return;
    }
    TakeSoundEvents();
}

void enter_demo(int n) {
    load_state(g_boot);
    // The title's entry.
    game.cpflasher = 60;
    game.sound = game.soundset;
    MoveMouse(0, 0);
    SetChannelVolume(music_channel, 1.0f);
    // The menu's idle frames touch nothing the demo's play reads; the demo starts as the title
    // starts it, with the records the bot writes one frame ahead of the play.
    demo_tag::Create();
    begin_demo_play(n);
    demo_next = n % 3 + 1;
    title_frame_tail();
    int held = 0;
    play_frame(PlayMode::kDemo, demo_first_move(), held);
    TakeSoundEvents();
}

Move demo_first_move() {
    return Move{kDirectionRight, false};
}

demo_tag demo_record(const Move& m, int index) {
    // Turbo is off on the first record only: it clears the fireball trigger of the last game.
    const int turbo = index == 0 ? 0 : 1;
    return demo_tag{m.direction, m.jump ? 1 : 0, turbo};
}

std::vector<InputEvent> frame_events(int frame, const Move& m, int& held) {
    std::vector<InputEvent> events;
    auto add = [&](InputAction action, const char* control) {
        InputEvent e;
        e.frame = frame;
        e.action = action;
        e.control = control;
        events.push_back(e);
    };
    if (m.direction != held) {
        if (held == kDirectionLeft) add(InputAction::kRelease, "left");
        if (held == kDirectionRight) add(InputAction::kRelease, "right");
        if (m.direction == kDirectionLeft) add(InputAction::kPress, "left");
        if (m.direction == kDirectionRight) add(InputAction::kPress, "right");
        held = m.direction;
    }
    if (m.jump) add(InputAction::kTap, "jump");
    return events;
}

FrameResult play_frame(PlayMode mode, const Move& m, int& held) {
    if (mode == PlayMode::kDemo) {
        held = m.direction;
        return demo_frame(m);
    }
    const std::vector<InputEvent> events = frame_events(FrameNumber() + 1, m, held);
    if (!events.empty()) HeadlessQueueEvents(events);
    main_loop_frame();
    TakeSoundEvents();
    return area_outcome(game.state);
}
