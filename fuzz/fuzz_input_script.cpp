// SPDX-License-Identifier: GPL-3.0-or-later
// The headless runner's input script: parsed whole, then queued as the runner queues it.
#include <string>
#include <vector>

#include "fuzz_game.h"
#include "sim/input_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<InputEvent> events;
    ScriptError error;
    parse_input_script(text, events, error);
    return 0;
}
