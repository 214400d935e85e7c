// SPDX-License-Identifier: GPL-3.0-or-later
// PNG through LoadImage: decoded, masked and cut into collision bits, then freed.
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_boot();
    FreeImage(LoadImage(fuzz_incbin("fuzz.png", data, size)));
    return 0;
}
