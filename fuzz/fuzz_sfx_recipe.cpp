// SPDX-License-Identifier: GPL-3.0-or-later
// The sound recipe reader: a .sfx file parsed into an effect, or refused with a SourceError.
#include <string>

#include "effect.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        sfxgen::parse_effect(sfxgen::parse_key_value(text, "fuzz.sfx"));
    } catch (const sfxgen::SourceError&) {
        // A refused recipe is the outcome for most inputs.
    }
    return 0;
}
