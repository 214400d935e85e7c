// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen's line of added keys.
#include "options/title_line.h"

#include <algorithm>
#include <vector>

#include "options/options_text.h"

namespace {
struct Part {
    int order;
    std::function<std::string()> text;
};
std::vector<Part>& parts() {
    static std::vector<Part> all;
    return all;
}
// Below "Quit game", above the strip at the foot of the screen.
constexpr int kLineY = 398;
}  // namespace

void AddTitleLinePart(int order, std::function<std::string()> text) {
    std::vector<Part>& all = parts();
    const auto at = std::upper_bound(all.begin(), all.end(), order,
                                     [](int o, const Part& p) { return o < p.order; });
    all.insert(at, Part{order, std::move(text)});
}

std::string TitleLineText() {
    std::string line;
    for (const Part& p : parts()) {
        const std::string t = p.text();
        if (t.empty()) continue;
        line += (line.empty() ? "" : "     ") + t;
    }
    return line;
}

void DrawTitleLine() {
    const std::string line = TitleLineText();
    if (!line.empty())
        draw_options_text(320, kLineY, TextColour{190, 190, 190}, line, 0.75f, TextAlign::kCentre,
                          560);
}
