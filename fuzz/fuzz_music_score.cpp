// SPDX-License-Identifier: GPL-3.0-or-later
// The music score reader: a .score file parsed into a song, or refused with a SourceError.
#include <string>

#include "score.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        sfxgen::parse_score(text, "fuzz.score");
    } catch (const sfxgen::SourceError&) {
        // A refused score is the outcome for most inputs.
    }
    return 0;
}
