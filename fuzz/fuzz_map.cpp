// SPDX-License-Identifier: GPL-3.0-or-later
// A map binary: loaded in place of area 1.1, initialised, then 60 frames of play.
#include "fuzz_game.h"

namespace {
constexpr int kPlayFrames = 60;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    load_state(fuzz_boot());
    fuzz_incbin("maps\\tovomap1.1", data, size);
    game.players = 0;
    game.curplayer = 0;
    game_tag::start_new();
    player[0].level = 1;
    player[0].area = 1;
    game_tag::destroy_all();
    map_tag::Load(1, 1);
    map_tag::initialize();
    game.state = game_tag::kPlay;
    for (int frame = 0; frame < kPlayFrames && game.state == game_tag::kPlay; ++frame) {
        Cls();
        ResetCollisions(0);
        game_tag::play_game();
        game_tag::display();
        Flip(-1);
    }
    TakeSoundEvents();
    return 0;
}
