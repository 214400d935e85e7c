// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen run for real in the test process: binding keys and pad buttons with the
// clash message and its swap, the keys the game keeps, restoring the defaults, the mouse alone,
// the assist that a game under way cannot change, and pages added by other modules.
#include <algorithm>

#include "options/options_fixture.h"
#include "options/title_line.h"

using shell_test::Step;

namespace {
const Settings& in_force() {
    return SettingsInForce();
}
std::string key_of(BoundControl c) {
    return in_force().keys[static_cast<size_t>(c)];
}
std::string pad_of(PadControl c) {
    return in_force().pad[static_cast<size_t>(c)];
}
}  // namespace

TEST_F(OptionsTest, AKeyInUseIsNamedAndSwappedOnlyWhenThePlayerSaysYes) {
    // Refused: Escape answers no, and both keys stay.
    EXPECT_EQ(run(to_keyboard_jump(2) +
                  std::vector<Step>{{12, "key:Left_Alt"}, {14, "escape"}, {16, "f10"}}),
              OptionsExit::kBack);
    EXPECT_TRUE(showed("Left Alt is used by Turbo")) << "the clash is reported by name";
    EXPECT_EQ(key_of(BoundControl::kJump), "Left Ctrl");
    EXPECT_EQ(key_of(BoundControl::kTurbo), "Left Alt");

    // Confirmed with Return: the two controls trade keys.
    run(to_keyboard_jump(2) +
        std::vector<Step>{{12, "key:Left_Alt"}, {14, "key:Return"}, {16, "f10"}});
    EXPECT_EQ(key_of(BoundControl::kJump), "Left Alt");
    EXPECT_EQ(key_of(BoundControl::kTurbo), "Left Ctrl");
    // In force at once: the physical Left Ctrl now drives turbo, Left Alt the jump.
    FlushKeys();
    DeliverKey("Left Alt", true);
    EXPECT_EQ(KeyDown(162), 1);
    DeliverKey("Left Alt", false);
    DeliverKey("Left Ctrl", true);
    EXPECT_EQ(KeyDown(164), 1);
    DeliverKey("Left Ctrl", false);

    // The other way round the message names the control that has the key now.
    ApplySettings(Settings{});
    run(to_keyboard_jump(2) + std::vector<Step>{{12, "key:Space"}, {14, "f10"}});
    EXPECT_TRUE(showed("Space is used by Pause"));
    // A key no control uses is simply taken.
    run(to_keyboard_jump(2) + std::vector<Step>{{12, "key:X"}, {14, "f10"}});
    EXPECT_EQ(key_of(BoundControl::kJump), "X");
}

TEST_F(OptionsTest, KeysTheGameKeepsCannotBeTakenAndAnUnansweredWaitKeepsTheOldKey) {
    for (const char* kept : {"Escape", "Tab", "F1", "F2", "F3", "F10", "F11", "F12"}) {
        std::string name = kept;
        const bool escape = name == "Escape";
        run(to_keyboard_jump(2) +
            std::vector<Step>{{12, "key:" + name}, {14, "escape"}, {16, "f10"}});
        EXPECT_EQ(key_of(BoundControl::kJump), "Left Ctrl") << kept;
        // Escape ends the wait instead: it goes back one step, as on every added screen.
        if (!escape) {
            EXPECT_TRUE(showed(name + " is kept by the game")) << kept;
        }
    }
    // Five seconds without a key: the wait ends by itself and the old key stays.
    run(to_keyboard_jump(2) + std::vector<Step>{{320, "key:X"}, {322, "f10"}});
    EXPECT_EQ(key_of(BoundControl::kJump), "Left Ctrl");
}

TEST_F(OptionsTest, PadButtonsAreBoundByNameWithTheSameClashAndSwap) {
    InputEvent plug;
    plug.control = "joy-plug";
    HeadlessApply(plug);
    ASSERT_EQ(ConnectedPad(), PadKind::kController);
    // Controls, Pad, Jump (the first item), then X, which the pause uses, and yes.
    const std::vector<Step> to_pad_jump = {{2, "down"}, {3, "down"}, {4, "jump"},
                                           {5, "down"}, {6, "jump"}, {7, "jump"}};
    run(to_pad_jump + std::vector<Step>{{9, "pad:x"}, {11, "jump"}, {13, "f10"}});
    EXPECT_TRUE(showed("X is used by Pause"));
    // Only the controller's names change; the plain joystick's numbers stay.
    EXPECT_EQ(pad_of(PadControl::kJump), "x 0");
    EXPECT_EQ(pad_of(PadControl::kPause), "a 2");
    // A button nothing uses, by any of SDL's names: the turbo keeps none of its old names.
    run(std::vector<Step>{{2, "down"},
                          {3, "down"},
                          {4, "jump"},
                          {5, "down"},
                          {6, "jump"},
                          {7, "down"},
                          {8, "jump"},
                          {10, "pad:paddle2"},
                          {12, "f10"}});
    EXPECT_EQ(pad_of(PadControl::kTurbo), "paddle2 1 7");

    // Unplugged, the pad's items say so instead of waiting.
    InputEvent unplug;
    unplug.control = "joy-unplug";
    HeadlessApply(unplug);
    run(to_pad_jump + std::vector<Step>{{9, "f10"}});
    EXPECT_TRUE(showed("No pad is plugged in"));
}

TEST_F(OptionsTest, RestoreDefaultsAsksFirst) {
    Settings changed;
    changed.music_volume = 30;
    changed.keys[static_cast<size_t>(BoundControl::kJump)] = "X";
    changed.scale = ScaleMode::kInteger;
    ApplySettings(changed);
    // Restore defaults is the fifth entry of the title's options; no keeps everything.
    const std::vector<Step> to_restore = {{2, "up"}, {3, "up"}, {4, "jump"}};
    run(to_restore + std::vector<Step>{{6, "escape"}, {8, "f10"}});
    EXPECT_TRUE(showed("Put every setting back as it was at first?"));
    EXPECT_EQ(in_force().music_volume, 30);
    run(to_restore + std::vector<Step>{{6, "jump"}, {8, "f10"}});
    EXPECT_EQ(FormatSettings(in_force()), FormatSettings(Settings{}));
}

TEST_F(OptionsTest, EveryItemWorksWithTheMouseAlone) {
    TakeSoundEvents();
    // Rows are 34 pixels apart from y 92; "<" lowers a value, ">" raises it; the right button
    // goes back; a click on "Back" closes.
    const OptionsExit exit = run({{2, "mouse", 200, 130},
                                  {3, "mouse1"},
                                  {5, "mouse", 380, 100},
                                  {6, "mouse1"},
                                  {7, "mouse1"},
                                  {8, "mouse", 555, 134},
                                  {9, "mouse1"},
                                  {10, "mouse2"},
                                  {12, "mouse", 200, 168},
                                  {13, "mouse1"},
                                  {15, "mouse1"},
                                  {17, "mouse", 200, 264},
                                  {18, "mouse1"}});
    EXPECT_EQ(exit, OptionsExit::kBack);
    EXPECT_EQ(in_force().effects_volume, 80);
    EXPECT_EQ(in_force().music_volume, 100);  // already at the top
    // Each change of the effects volume is heard at once.
    const std::vector<std::string> sounds = TakeSoundEvents();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "snd_magic"), 2);

    // A question is answered by a click on its answer.
    Settings changed;
    changed.music_volume = 40;
    ApplySettings(changed);
    run({{2, "mouse", 200, 228},
         {3, "mouse1"},
         {5, "mouse", 260, 270},
         {6, "mouse1"},
         {8, "mouse", 200, 264},
         {9, "mouse1"}});
    EXPECT_EQ(in_force().music_volume, 100);
}

TEST_F(OptionsTest, TheAssistIsShownButNotChangedDuringAGameWhichCanBeLeftFromHere) {
    const std::vector<Step> to_speed = {{2, "down"}, {3, "down"}, {4, "down"},
                                        {5, "jump"}, {6, "left"}, {7, "left"}};
    EXPECT_EQ(run(to_speed + std::vector<Step>{{9, "f10"}}, true), OptionsExit::kBack);
    EXPECT_EQ(in_force().assist_speed, 100);
    EXPECT_TRUE(showed("Only the title screen's options change this"));
    // On the title the same steps change it.
    run(to_speed + std::vector<Step>{{9, "escape"}, {10, "escape"}});
    EXPECT_EQ(in_force().assist_speed, 80) << "lowered a step by each press";

    // "Leave the game" is there only in a game, and asks first.
    EXPECT_EQ(run({{2, "up"}, {3, "up"}, {4, "jump"}, {6, "jump"}}, true), OptionsExit::kLeaveGame);
    EXPECT_TRUE(showed("Leave this game for the title screen?"));
    EXPECT_EQ(run({{2, "up"}, {3, "up"}, {4, "jump"}, {6, "f10"}}, false), OptionsExit::kBack);
    EXPECT_FALSE(showed("Leave this game"));
    // The pad alone: the stick moves, A selects, B goes back, the options button closes.
    EXPECT_EQ(run({{2, "joy-down", 0, 0, InputAction::kPress},
                   {3, "joy-down", 0, 0, InputAction::kRelease},
                   {4, "joy0"},
                   {6, "joy1"},
                   {8, "pad:back"}}),
              OptionsExit::kBack);
    // A closed window ends the screen with the game.
    EXPECT_EQ(run({{3, "close"}}), OptionsExit::kQuit);
}

TEST_F(OptionsTest, OtherModulesAddPagesItemsAndTitleLineParts) {
    AddOptionsPage("levels", "Levels");
    OptionItem edit;
    edit.label = "Edit a pack";
    edit.order = 10;
    edit.activate = [] { ShowOptionsMessage("editing"); };
    AddOptionsItem("levels", edit);
    AddOptionsItem(kOptionsMainPage, PageEntry("Levels", "Level packs", 45, "levels"));
    const OptionPage* main = FindOptionsPage(kOptionsMainPage);
    ASSERT_NE(main, nullptr);
    std::vector<std::string> labels;
    for (const OptionItem& item : main->items) labels.push_back(item.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Display", "Sound", "Controls", "Assist", "Levels",
                                                "Restore defaults", "Leave the game"}));
    // Levels is the fifth entry; its first item runs.
    run({{2, "up"}, {3, "up"}, {4, "up"}, {5, "jump"}, {6, "jump"}, {8, "f10"}});
    EXPECT_TRUE(showed("editing"));

    EXPECT_EQ(TitleLineText(), "F10 options");
    AddTitleLinePart(20, [] { return std::string("Tab replays"); });
    AddTitleLinePart(30, [] { return std::string(); });  // a part with nothing to say
    EXPECT_EQ(TitleLineText(), "F10 options     Tab replays");
}
