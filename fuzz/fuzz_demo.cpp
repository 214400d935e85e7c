// SPDX-License-Identifier: GPL-3.0-or-later
// A demo recording: loaded as the title loads one, then played to its end marker (or to the
// hero leaving play) through the real play loop, as the attract mode plays it.
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    load_state(fuzz_boot());
    if (!demo_tag::LoadFile(fuzz_incbin("demodata.fuzz", data, size))) return 0;
    if (!begin_demo_play(1)) return 0;
    for (int frame = 0; frame <= demo_tag::kRecords; ++frame) {
        Cls();
        game_tag::play_game();
        if (game.state != game_tag::kTitle || demo[demo_pos].direction == demo_tag::kEndMarker)
            break;
        game_tag::display();
        frame_end();
    }
    TakeSoundEvents();
    return 0;
}
