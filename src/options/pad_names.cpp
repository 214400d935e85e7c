// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the pad's buttons on the screen.
#include "options/pad_names.h"

#include <map>

std::string PadButtonDisplayName(const std::string& button) {
    static const std::map<std::string, std::string> names = {{"a", "A"},
                                                             {"b", "B"},
                                                             {"x", "X"},
                                                             {"y", "Y"},
                                                             {"back", "Back"},
                                                             {"guide", "Guide"},
                                                             {"start", "Start"},
                                                             {"leftstick", "Left stick"},
                                                             {"rightstick", "Right stick"},
                                                             {"leftshoulder", "Left shoulder"},
                                                             {"rightshoulder", "Right shoulder"},
                                                             {"dpup", "D-pad up"},
                                                             {"dpdown", "D-pad down"},
                                                             {"dpleft", "D-pad left"},
                                                             {"dpright", "D-pad right"},
                                                             {"misc1", "Misc"},
                                                             {"paddle1", "Paddle 1"},
                                                             {"paddle2", "Paddle 2"},
                                                             {"paddle3", "Paddle 3"},
                                                             {"paddle4", "Paddle 4"},
                                                             {"touchpad", "Touchpad"}};
    const auto it = names.find(button);
    if (it != names.end()) return it->second;
    if (!button.empty() && button.find_first_not_of("0123456789") == std::string::npos)
        return "Button " + button;
    return button;
}
