// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file reader: any text gives settings and warnings, never a crash, and whatever it
// reads, the text written back for it reads back to the same settings without a warning.
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> warnings;
    const Settings read = ParseSettings(text, "fuzz.ini", warnings);
    // Written back over the player's own text, as a save does, and afresh.
    for (const std::string& previous : {text, std::string()}) {
        std::vector<std::string> again;
        const std::string written = FormatSettings(read, previous);
        const Settings back = ParseSettings(written, "fuzz.ini", again);
        if (FormatSettings(back) != FormatSettings(read)) std::abort();
        // Lines the reader refused stay in the player's text and are refused again; a fresh
        // file has none.
        if (previous.empty() && !again.empty()) std::abort();
    }
    return 0;
}
