// SPDX-License-Identifier: GPL-3.0-or-later
// OGG through LoadSound: an effect is decoded to its end when it is loaded.
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_boot();
    FreeSound(LoadSound(fuzz_incbin("fuzz.ogg", data, size)));
    return 0;
}
