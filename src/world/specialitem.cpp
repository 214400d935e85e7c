// SPDX-License-Identifier: GPL-3.0-or-later
// Pickups released from struck blocks: they pop up, fall back, walk, bounce or settle on the
// blocks, and give power, fire, an extra life or invincibility when the hero touches them.
#include "shell/globals.h"

namespace {

constexpr int kPowerPotion = 3;
constexpr int kLifePotion = 4;
constexpr int kPumpkin = 5;
constexpr int kFireOrb = 6;
constexpr int kPumpkinFrame = 30;
constexpr int kOrbFrame = 51;
constexpr float kWalkSpeed = 2.0f;

int base_frame(int typ) {
    switch (typ) {
        case kPumpkin:
            return kPumpkinFrame;
        case kPowerPotion:
            return 49;
        case kLifePotion:
            return 50;
        case kFireOrb:
            return kOrbFrame;
        default:
            return 0;
    }
}

}  // namespace

void specialitem_tag::Create(float x, float y, int typ) {
    specialitem_tag item;
    item.typ = typ;
    item.frame = base_frame(typ);
    item.rstp = 22;
    item.yinc = 0.2f;
    item.x = x;
    item.y = y - 40;  // one cell above the block
    item.ystp = -6.0f;
    specialitem_list.AddLast(item);
}

void specialitem_tag::update(int dx) {
    x += dx;
    rotation += rstp;
    SetRotation(static_cast<float>(rotation));
    SetBlend(1);
    if (frame == kPumpkinFrame) {
        // The components are drawn from the generator blue first, then green, then red.
        const int b = Int(Rnd(255, 0));
        const int g = Int(Rnd(255, 0));
        const int r = Int(Rnd(255, 0));
        SetColor(r, g, b);
    }
    if (frame == kOrbFrame) {
        framedly += 1;
        if (framedly > 5) {
            framedly = 0;
            framectr += 1;
        }
        if (framectr > 3) framectr = 0;
    }
    DrawImage(img_sprites, x, y, frame + framectr);
    x += xstp;
    y += ystp;
    ystp += yinc;
    // Anything leaving the screen is lost, even if the scenery goes on past the edge.
    if (y > 480 || x < 0 || x > 640) specialitem_list.Remove(this);
    SetRotation(0);
    SetColor(255, 255, 255);
}

void specialitem_tag::collisions() {
    player_tag& p = hero();
    const int px = Int(p.x);
    const int py = Int(p.y);
    // Collection is tested against the base frame, whatever picture is shown.
    if (ImagesCollide(img_sprites, Int(x), Int(y), frame, img_sprites, px, py, 30)) {
        switch (typ) {
            case kPowerPotion:
                p.power = 1;
                play_effect(snd_powerup);
                break;
            case kLifePotion:
                game.setpoint = "1up";
                specialfx_tag::Create(x - 10, y - 40, 0, 0, 0, -1.0f, 0.01f, 4, 0);
                p.lives += 1;
                play_effect(snd_extralife);
                break;
            case kPumpkin:
                game.invincible = 600;
                play_effect(snd_invincible);
                p.score += 1500;
                break;
            case kFireOrb:
                if (p.power == 2) {
                    game.setpoint = "1000";
                    specialfx_tag::Create(x - 15, y - 40, 0, 0, 0, -1.0f, 0.01f, 4, 0);
                    p.score += 1000;
                }
                p.power = 2;
                play_effect(snd_powerup);
                break;
            default:
                break;
        }
        specialitem_list.Remove(this);
        return;
    }

    // Every overlapping block is handled, so touching two blocks corrects the pickup twice.
    for (const map_tag& c : map_cells) {
        const int cx = Int(c.x);
        const int cy = Int(c.y);
        if (!(cx > 0 && cx < 640) || !solid_for_walkers(c.tile1)) continue;
        if (!ImagesCollide(img_sprites, Int(x), Int(y), frame, img_sprites, cx, cy, c.tile1)) {
            continue;
        }
        const bool level_with_block = y > cy - 18 && y < cy + 18;
        if (x > cx && level_with_block) xstp = kWalkSpeed;
        if (x < cx && level_with_block) xstp = -kWalkSpeed;
        if (y < cy - 18) {
            y = c.y - 35;
            if (typ == kPumpkin) {
                ystp = -3.0f;
                if (xstp == 0) xstp = kWalkSpeed;
            } else if (typ == kFireOrb) {
                yinc = 0;
                rstp = 0;
                rotation = 0;
                y = c.y - 40;
            } else if (typ == kPowerPotion || typ == kLifePotion) {
                if (xstp == 0) xstp = kWalkSpeed;
                ystp = -1.0f;
                rstp = 0;
                rotation = 0;
            }
        }
        if (y > cy + 18) {
            y = c.y + 40;
            ystp = 2.0f;
        }
    }
}
