// SPDX-License-Identifier: GPL-3.0-or-later
// The title's screens opened by a key.
#include "options/title_screens.h"

#include <utility>
#include <vector>

namespace {
struct TitleScreen {
    std::function<bool()> asked;
    std::function<bool()> run;
};
std::vector<TitleScreen>& screens() {
    static std::vector<TitleScreen> all;
    return all;
}
}  // namespace

void AddTitleScreen(std::function<bool()> asked, std::function<bool()> run) {
    screens().push_back(TitleScreen{std::move(asked), std::move(run)});
}

bool RunTitleScreens() {
    // Every key is asked each frame, so a press for one screen never waits for a later frame.
    for (const TitleScreen& s : screens())
        if (s.asked() && s.run()) return true;
    return false;
}
