// SPDX-License-Identifier: GPL-3.0-or-later
// Parses the headless runner's input scripts. Comments (#) and blank lines are skipped; any
// other line must be a complete, known event, or the whole script is refused.
#include "sim/input_script.h"

#include <sstream>

namespace {

bool parse_int(const std::string& s, int& out) {
    if (s.empty()) return false;
    size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size()) return false;
    for (size_t k = i; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9') return false;
    if (s.size() > 9) return false;
    out = std::stoi(s);
    return true;
}

}  // namespace

bool parse_input_script(const std::string& text, std::vector<InputEvent>& events,
                        ScriptError& error) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        auto bad = [&](const std::string& why) {
            error.line = number;
            error.message = "line " + std::to_string(number) + ": " + why + ": '" + line + "'";
            return false;
        };
        if (w.size() < 3) return bad("expected FRAME ACTION CONTROL");
        InputEvent e;
        e.line = number;
        if (!parse_int(w[0], e.frame) || e.frame < 1) return bad("frame must be a number from 1");
        if (w[1] == "press")
            e.action = InputAction::kPress;
        else if (w[1] == "release")
            e.action = InputAction::kRelease;
        else if (w[1] == "tap")
            e.action = InputAction::kTap;
        else
            return bad("action must be press, release or tap");
        e.control = w[2];
        if (!HeadlessKnowsControl(e.control)) return bad("unknown control '" + e.control + "'");
        if (e.control == "mouse") {
            if (w.size() != 5 || !parse_int(w[3], e.x) || !parse_int(w[4], e.y))
                return bad("mouse needs X and Y");
        } else if (w.size() != 3) {
            return bad("unexpected words after the control");
        }
        events.push_back(e);
    }
    return true;
}
