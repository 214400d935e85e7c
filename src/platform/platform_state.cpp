// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's side of a saved game: what the devices, the script, the clock, the drawing state
// and the random generator would hand to the frames that follow.
#include "platform/internal.h"

struct TPlatformState {
    plat::SavedInput input;
    plat::SavedClock clock;
    plat::DrawState draw;
    int32_t rnd = 0;
};

std::shared_ptr<const TPlatformState> SavePlatformState() {
    auto s = std::make_shared<TPlatformState>();
    s->input = plat::input_save();
    s->clock = plat::clock_save();
    s->draw = plat::draw_state();
    s->rnd = RndState();
    return s;
}

void LoadPlatformState(const TPlatformState* s) {
    if (s == nullptr) return;
    plat::input_load(s->input);
    plat::clock_load(s->clock);
    plat::draw_state() = s->draw;
    SetRndState(s->rnd);
}
