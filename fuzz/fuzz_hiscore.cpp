// SPDX-License-Identifier: GPL-3.0-or-later
// The top-score file: any bytes read as a score or as 0.
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    hiscore_file_at(0, fuzz_incbin("hiscore.dat", data, size));
    return 0;
}
