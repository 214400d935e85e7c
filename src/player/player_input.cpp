// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of one frame of play (keyboard, joystick, mouse, or the attract-demo record)
// turned into the hero's step, turning, jump and fireball, and the frame's scroll step.
#include "shell/globals.h"

namespace {

constexpr int kMouseLeftZone = 260;
constexpr int kMouseRightZone = 460;
constexpr float kScrollLine = 320.0f;
constexpr float kLeftLimit = 20.0f;
constexpr int kTurnStep = 10;
constexpr int kJumpTurnStep = 5;
constexpr float kJumpSpeed = -6.0f;
constexpr float kTurboJumpSpeed = -7.0f;

// Only a full deflection steers: the stick is compared for equality with the thresholds.
bool joy_left() {
    return JoyX(0) == joy_left_threshold;
}
bool joy_right() {
    return JoyX(0) == joy_right_threshold;
}

struct commands {
    int direction = 0;  // 0 none, 1 left, 2 right
    int jump = 0;
    int turbo = 0;
};

// Each alternative is asked only while the ones before it gave nothing, so a hit on a device
// that was not asked stays counted for a later frame.
commands read_devices() {
    commands c;
    if (KeyHit(kKeyTurbo) != 0 || JoyHit(1, 0) != 0 || JoyHit(7, 0) != 0 || MouseHit(2) != 0)
        c.turbo = 1;
    if (KeyDown(kKeyLeft) != 0 || joy_left() || MouseX() < kMouseLeftZone) c.direction = 1;
    if (KeyDown(kKeyRight) != 0 || joy_right() || MouseX() > kMouseRightZone) c.direction = 2;
    if (KeyHit(kKeyJump) != 0 || JoyHit(0, 0) != 0 || MouseHit(1) != 0) c.jump = 1;
    return c;
}

commands read_demo() {
    commands c;
    if (demo_pos >= 0 && demo_pos < demo_tag::kRecords) {
        const demo_tag& rec = demo[demo_pos];
        c.direction = rec.direction;
        c.jump = rec.jump;
        c.turbo = rec.turbo;
    }
    return c;
}

}  // namespace

int player_tag::get_inputs() {
    player_tag& p = hero();
    const commands c = demo_playing == 1 ? read_demo() : read_devices();
    int result = 0;
    int bonus = 0;

    if (c.turbo == 1) {
        game.turbo = 1;
        bonus = 2;
        if (p.power == 2 && fireball.state == 0 && game.fbshoot == 0)
            fireball_tag::Create(Int(p.x), Int(p.y));
    } else {
        game.turbo = 0;
        game.fbshoot = 0;
        bonus = 0;
    }

    if (game.autoturbo != 0 && demo_playing == 0) {
        game.turbo = 1;
        bonus = 2;
    }

    const int step = bonus + 2;

    if (c.direction == 2) {
        game.curdir = 1;
        // The mouse must not keep steering once the keyboard or the stick has taken over.
        if (KeyDown(kKeyRight) != 0 || joy_right()) MoveMouse(320, 0);
        if (game.turbo == 1) p.rotation += kTurnStep;
        if (p.x >= kScrollLine) {
            result = -step;
        } else {
            p.x += static_cast<float>(step);
        }
        if (game.jump == 1) p.rotation += kJumpTurnStep;
    }

    if (c.direction == 1) {
        game.curdir = 0;
        if (KeyDown(kKeyLeft) != 0 || joy_left()) MoveMouse(320, 0);
        // The world never scrolls back: the hero only walks, down to just under the limit.
        if (p.x > kLeftLimit) p.x -= static_cast<float>(step);
        if (game.turbo == 1) p.rotation -= kTurnStep;
        if (game.jump == 1) {
            p.rotation -= kJumpTurnStep;
            if (p.rotation < 0) p.rotation = 360;
        }
    }

    // A press during a jump is used up without effect: jumps are not buffered.
    if (c.jump == 1 && game.jump == 0) {
        game.jump = 1;
        p.yscale = 1.0f;
        p.ystp = game.turbo == 1 ? kTurboJumpSpeed : kJumpSpeed;
        play_effect(snd_jump);
    }

    return result;
}
