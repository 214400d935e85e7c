// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of a monster: scroll with the world, run its kind's behaviour, draw, move, leave
// the list when off screen, and fly its single projectile; plus the rule for a hero who is hit.
#include <cmath>
#include <numbers>

#include "enemies/degrees.h"
#include "enemies/monster_tag.h"
#include "shell/addon_hooks.h"
#include "shell/globals.h"

namespace {

constexpr float kEnterX = 660.0f;       // a monster wakes up once it has come this far left
constexpr float kCannonRange = 900.0f;  // a cannon opens fire from here, on screen or not
constexpr float kFallCap = 6.0f;
constexpr float kLeapSpeed = -8.0f;
constexpr float kLeapGravity = 0.1f;
constexpr int kInvincibleAfterHit = 50;

bool touches_hero(int x, int y, int frame) {
    const player_tag& p = hero();
    return ImagesCollide(img_sprites, x, y, frame, img_sprites, Int(p.x), Int(p.y), kHeroFrame);
}

bool hero_untouchable() {
    return addon_hooks.hero_untouchable && addon_hooks.hero_untouchable();
}

// framectr alternates 0 and 1, changing every n frames.
void toggle_every(monster_tag& m, int n) {
    m.frametmr += 1;
    if (m.frametmr > n - 1) {
        m.frametmr = 0;
        m.framectr += 1;
        if (m.framectr > 1) m.framectr = 0;
    }
}

// The arm is rebuilt from the centre each frame; every step truncates, so it may creep a pixel
// up and left per ball. Each ball hits on its own and ignores invincibility.
void firebar(monster_tag& m) {
    int ax = Int(m.x);
    int ay = Int(m.y);
    m.ctr1 += static_cast<float>(m.frametmr);
    // One angle for the whole arm.
    const double sine = sin_deg(m.ctr1);
    const double cosine = cos_deg(m.ctr1);
    for (int ball = 0; ball < 6; ++ball) {
        ax = Int(ax + 20.0 * sine);
        ay = Int(ay - 20.0 * cosine);
        SetRotation(static_cast<float>(m.rotation));
        DrawImage(img_sprites, static_cast<float>(ax), static_cast<float>(ay), m.frame);
        SetRotation(0);
        if (touches_hero(ax, ay, m.frame) && !hero_untouchable()) {
            // Like every other hit it clears the effects, so no sparkle outlives the power.
            specialfx_tag::reset();
            hero_hit();
        }
    }
}

void scorpion_shoots(monster_tag& m, float pxstp, int pframe, int frame) {
    m.xstp = 0;
    m.ctr1 = 50.0f;
    m.projectile = 1;
    m.px = m.x;
    m.py = m.y;
    m.pxstp = pxstp;
    m.pframe = pframe;
    m.frame = frame;
    play_effect(snd_scorpshot);
}

// Spider, turtle, spiked turtle and scorpion.
void walker(monster_tag& m) {
    if (m.deathtmr != 0) {
        // Only a squashed spider counts down: it lies flat and still.
        if (m.typ == monster_tag::kSpider) {
            m.frame = 57;
            m.framectr = 0;
            m.ystp = 0;
        }
        return;
    }
    toggle_every(m, 5);
    const player_tag& p = hero();
    switch (m.typ) {
        case monster_tag::kSpider:
            if (m.xstp < 0) m.frame = 57;
            if (m.xstp > 0) m.frame = 59;
            break;
        case monster_tag::kTurtle:
            if (m.xstp < 0) m.frame = 61;
            if (m.xstp > 0) m.frame = 64;
            break;
        case monster_tag::kSpikedTurtle:
            if (m.xstp < 0) m.frame = 67;
            if (m.xstp > 0) m.frame = 69;
            break;
        case monster_tag::kScorpion:
            // It shoots only forward and only at a hero standing at exactly its height; the
            // right-hand test sees the speed the left-hand one may just have stopped.
            if (m.xstp < 0) {
                m.frame = 73;
                if (p.x < m.x && m.y == p.y && m.projectile == 0 && m.state != 0)
                    scorpion_shoots(m, -4.0f, 79, 75);
            }
            if (m.xstp > 0) {
                m.frame = 76;
                if (p.x > m.x && m.y == p.y && m.projectile == 0 && m.state != 0)
                    scorpion_shoots(m, 4.0f, 80, 78);
            }
            if (m.xstp == 0 && m.ctr1 != 0) {
                m.ctr1 -= 1.0f;
                m.framectr = 0;
                if (m.ctr1 == 1.0f) {
                    if (m.pframe == 79) m.xstp = -1.0f;
                    if (m.pframe == 80) m.xstp = 1.0f;
                }
            }
            break;
        default:
            break;
    }
}

void shell(monster_tag& m) {
    if (m.state == 0) return;
    m.framectr = 0;
    if (m.xstp < 0) m.frame = 63;
    if (m.xstp > 0) m.frame = 66;
    // Lying or sliding, a live shell knocks out whatever it touches.
    monster_tag::bscollisions(Int(m.x), Int(m.y), m.frame);
}

void bat(monster_tag& m) {
    if (m.state != 0) {
        toggle_every(m, 5);
        m.frame = 71;
        m.ystp += m.ctr1;
        if (m.ystp <= -4.0f) {
            m.ctr1 = 0.1f;
        } else if (m.ystp >= 4.0f) {
            m.ctr1 = -0.1f;
        }
    } else {
        m.frame = 72;
        m.framectr = 0;
        m.ystp += 0.5f;
    }
}

void leaping_fish(monster_tag& m) {
    if (m.state == 0) return;
    m.ystp += kLeapGravity;
    m.rstp = -1;
    m.frame = 81;
    toggle_every(m, 3);
    if (m.y >= m.sy) {
        m.ystp = kLeapSpeed;
        m.rotation = 0;
    }
}

void hunchback(monster_tag& m) {
    toggle_every(m, 6);
    if (m.ctr1 == -1.0f) m.xstp = -1.0f;
    if (m.ctr1 < 0) {
        m.frame = 85;
        m.framectr = 0;
    } else {
        m.frame = 83;
    }
    m.ctr1 += 1.0f;
    if (m.ctr1 > 40.0f) {
        m.ctr1 = 0;
        m.xstp = -m.xstp;
    }
    if (m.xstp < 0 && m.ctr1 == 0 && m.x > 150.0f && m.projectile == 0 && m.state != 0) {
        m.xstp = 0;
        m.ctr1 = -50.0f;
        m.projectile = 1;
        m.px = m.x - 10;
        m.py = m.y - 10;
        m.pxstp = -3.0f;
        m.pystp = -4.0f;
        m.pframe = 86;
        play_effect(snd_hbthrow);
    }
    if (m.frame != 85) {
        // The axe it carries, drawn before the body so the head covers its shaft.
        SetScale(1.4f, 1.4f);
        DrawImage(img_sprites, m.x + 9.0f, m.y - 40.0f, 86);
    }
}

void flying_flame(monster_tag& m) {
    m.rotation = 270;
    m.frame = 88;
    toggle_every(m, 2);
}

void leaping_flame(monster_tag& m) {
    m.ystp += kLeapGravity;
    m.frame = 88;
    toggle_every(m, 2);
    m.rotation = m.ystp <= 0 ? 0 : 180;
    if (m.y >= m.sy) m.ystp = kLeapSpeed;
}

void kind_behaviour(monster_tag& m) {
    switch (m.typ) {
        case monster_tag::kFirebar:
            firebar(m);
            break;
        case monster_tag::kSpider:
        case monster_tag::kTurtle:
        case monster_tag::kSpikedTurtle:
        case monster_tag::kScorpion:
            walker(m);
            break;
        case monster_tag::kShell:
            shell(m);
            break;
        case monster_tag::kBat:
            bat(m);
            break;
        case monster_tag::kLeapingFish:
            leaping_fish(m);
            break;
        case monster_tag::kHunchback:
            hunchback(m);
            break;
        case monster_tag::kCannon:
            m.frame = 87;
            break;
        case monster_tag::kFlyingFlame:
            flying_flame(m);
            break;
        case monster_tag::kLeapingFlame:
            leaping_flame(m);
            break;
        default:
            break;
    }
}

// The shot is tested one step ahead of where it was drawn.
void fly_projectile(monster_tag& m, int dx) {
    m.px += static_cast<float>(dx);
    if (m.pframe == 37) {
        SetTransform(static_cast<float>(m.prstp), 1.2f, 1.2f);
        m.prstp -= 5;
    } else if (m.pframe == 86) {
        SetTransform(static_cast<float>(m.prstp), 1.4f, 1.4f);
        m.prstp -= 22;
        m.pystp += 0.1f;
    }
    DrawImage(img_sprites, m.px, m.py, m.pframe);
    SetTransform(0, 1, 1);
    m.px += m.pxstp;
    m.py += m.pystp;
    if (game.invincible == 0 && touches_hero(Int(m.px), Int(m.py), m.pframe) &&
        !hero_untouchable()) {
        m.projectile = 0;
        specialfx_tag::reset();
        hero_hit();
    }
    if (m.px < 0 || m.py > 480) m.projectile = 0;
    if (m.pframe == 80 && m.px > 660) m.projectile = 0;
}

}  // namespace

void hero_hit() {
    player_tag& p = hero();
    if (p.power != 0) {
        play_effect(snd_powerdwn);
        p.power = 0;
        game.invincible = kInvincibleAfterHit;
    } else {
        game.tovodeath = 1;
        game.state = game_tag::kDeath;
    }
}

void monster_tag::update(int dx) {
    x += static_cast<float>(dx);
    sx += static_cast<float>(dx);

    // Until it has come on screen a monster only scrolls (and keeps its shot flying); a
    // flying flame is alive from the moment it is sent.
    if (entered != 0 || typ == kFlyingFlame) {
        kind_behaviour(*this);

        SetBlend(1);
        SetTransform(static_cast<float>(rotation), xscale, yscale);
        DrawImage(img_sprites, x, y, frame + framectr);
        SetTransform(0, 1, 1);

        if (deathtmr != 0) {
            deathtmr -= 1;
            if (deathtmr == 1) {
                deathtmr = 0;
                monster_list.Remove(this);
            }
        }

        x += xstp;
        y += ystp;
        rotation += rstp;

        if (typ == kShell && x > 680) monster_list.Remove(this);
        if (y > 480 || x < -100) monster_list.Remove(this);
    }

    if (projectile != 0) fly_projectile(*this, dx);

    if (typ == kCannon && x < kCannonRange && hero().x < x && projectile == 0 && state != 0) {
        projectile = 1;
        px = x - 30;
        py = y - 5;
        pxstp = -4.0f;
        pframe = 37;
        play_effect(snd_cannon);
    }

    // Capped after the move, so a speed that grows every frame still moves a little past it.
    if (ystp > kFallCap) ystp = kFallCap;

    if (x < kEnterX) entered = 1;
}
