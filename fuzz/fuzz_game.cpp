// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_game.h"

#include "platform/backend.h"
#include "shell/startup.h"

const game_state& fuzz_boot() {
    static const game_state boot = [] {
        HeadlessOptions o;
        o.draw = false;
        o.seed_set = true;
        o.seed = 1;
        o.data_dir = VARNOTH_BINARY_DIR;
        PlatformUseHeadless(o);
        start_up();
        after_logo();
        TakeSoundEvents();
        return save_state();
    }();
    return boot;
}

std::string fuzz_incbin(const std::string& name, const uint8_t* data, size_t size) {
    // libFuzzer may hand an empty input with a null pointer; the stream copies from it.
    static const unsigned char kNothing = 0;
    RegisterIncbin(name, size ? data : &kNothing, size);
    return "incbin::" + name;
}
