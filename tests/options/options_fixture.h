// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen in the test process: the hooks installed for one test and taken away
// after it, the settings back at their defaults, and a script of input and a watch on what
// the screen shows while it runs.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "options/assist.h"
#include "options/install_options.h"
#include "options/options_menu.h"
#include "options/options_screen.h"
#include "platform/player_choices.h"
#include "shell/addon_hooks.h"
#include "shell/shell_helpers.h"
#include "support/test_game.h"

class OptionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fresh_game();
        install_options();
        ApplySettings(Settings{});
        set_assist_in_force(AssistSettings{});
        while (JoyHit(kOptionsJoyButton, 0)) {
        }
        TakeKeyPress();
        TakePadPress();
        SetFlipHook([this](int frame) {
            shown_[frame] = OptionsQuestionShown() + "|" + OptionsMessageShown();
        });
    }
    void TearDown() override {
        SetFlipHook(nullptr);
        addon_hooks = addon_hooks_tag{};
        ApplySettings(Settings{});
        set_assist_in_force(AssistSettings{});
        InputEvent plug;
        plug.control = "joy-plug";
        HeadlessApply(plug);
        HeadlessQueueEvents({});
    }
    // Runs the screen with taps (or other steps) on the k-th frame from now; k from 2, as the
    // screen forgets what was pending when it opened.
    OptionsExit run(const std::vector<shell_test::Step>& steps, bool in_game = false) {
        shown_.clear();
        shell_test::script(steps);
        return RunOptionsScreen(in_game);
    }
    // True when some frame showed this question or message.
    bool showed(const std::string& text) const {
        for (const auto& [frame, what] : shown_)
            if (what.find(text) != std::string::npos) return true;
        return false;
    }
    std::map<int, std::string> shown_;
};

// The taps that lead from the main page to the keyboard's Jump and start its capture: Controls,
// Keyboard, four down to Jump, select. k is the frame of the first.
inline std::vector<shell_test::Step> to_keyboard_jump(int k) {
    return {{k, "down"},     {k + 1, "down"}, {k + 2, "jump"}, {k + 3, "jump"}, {k + 4, "down"},
            {k + 5, "down"}, {k + 6, "down"}, {k + 7, "down"}, {k + 8, "jump"}};
}

inline std::vector<shell_test::Step> operator+(std::vector<shell_test::Step> a,
                                               const std::vector<shell_test::Step>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
