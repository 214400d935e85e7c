// SPDX-License-Identifier: GPL-3.0-or-later
// Input scripts of the headless runner: one event a line, "FRAME ACTION CONTROL [X Y]".
#pragma once

#include <string>
#include <vector>

#include "platform/backend.h"

struct ScriptError {
    int line = 0;
    std::string message;
};

// Parses a whole script. On a malformed line returns false with the line and the reason.
bool parse_input_script(const std::string& text, std::vector<InputEvent>& events,
                        ScriptError& error);
