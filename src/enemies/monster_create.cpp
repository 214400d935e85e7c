// SPDX-License-Identifier: GPL-3.0-or-later
// Making a monster: a fresh record of one of the twelve kinds, appended to the monster list so
// that creation order is also the order of update and collision every frame.
#include "enemies/monster_tag.h"
#include "shell/globals.h"

namespace {
// A firebar's centre spins this many degrees a frame; its arm turns one degree a frame.
constexpr int kFirebarSpin = 22;
}  // namespace

void monster_tag::Create(float x, float y, float xstp, float ystp, float xscale, float yscale,
                         int typ) {
    monster_tag m;
    m.typ = typ;
    m.state = 1;
    m.x = m.sx = x;
    m.y = m.sy = y;
    m.xstp = xstp;
    m.ystp = ystp;
    m.xscale = xscale;
    m.yscale = yscale;
    if (typ == kFirebar) {
        // The map gives a firebar a speed only to say which way it turns; it never moves.
        if (m.xstp < 0) {
            m.rstp = -kFirebarSpin;
            m.frame = 26;
            m.frametmr = -1;
        } else if (m.xstp > 0) {
            m.rstp = kFirebarSpin;
            m.frame = 27;
            m.frametmr = 1;
        }
        m.xstp = 0;
    }
    monster_list.AddLast(m);
}
