// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor reads beyond the game's controls: the middle button, the wheel's notches and
// typed text, from an input script as from a real device.
#include <gtest/gtest.h>

#include "sim/input_script.h"
#include "support/test_game.h"

namespace {

void apply_script(const std::string& text) {
    std::vector<InputEvent> events;
    ScriptError error;
    ASSERT_TRUE(parse_input_script(text, events, error)) << error.message;
    for (const InputEvent& e : events) HeadlessApply(e);
}

TEST(EditorInput, WheelMiddleButtonAndTypedTextFromAScript) {
    fresh_game();
    apply_script(
        "1 tap wheel-up\n1 tap wheel-up\n1 tap wheel-down\n1 tap wheel-up\n"
        "1 press mouse3\n1 tap text:Dark_Caves\n1 tap text:!\n");
    EXPECT_EQ(MouseWheel(), 2);
    EXPECT_EQ(MouseWheel(), 0) << "notches are counted once";
    EXPECT_EQ(MouseDown(3), 1);
    EXPECT_EQ(MouseHit(3), 1);
    EXPECT_EQ(TypedText(), "Dark Caves!");
    EXPECT_EQ(TypedText(), "");
    apply_script("1 release mouse3\n1 tap wheel-down\n1 tap text:abc\n");
    EXPECT_EQ(MouseDown(3), 0);
    FlushMouse();
    FlushKeys();
    EXPECT_EQ(MouseWheel(), 0) << "flushing the mouse forgets the wheel";
    EXPECT_EQ(TypedText(), "") << "flushing the keys forgets typed text";
}

TEST(EditorInput, ScriptsRefuseTextWithNothingTyped) {
    std::vector<InputEvent> events;
    ScriptError error;
    EXPECT_FALSE(parse_input_script("1 tap text:\n", events, error));
    EXPECT_FALSE(parse_input_script("1 tap wheel-left\n", events, error));
}

TEST(EditorInput, TypedTextBeyondTheBufferIsDropped) {
    fresh_game();
    for (int i = 0; i < 40; ++i) apply_script("1 tap text:abcdefghij\n");
    const std::string text = TypedText();
    EXPECT_GT(text.size(), 200u);
    EXPECT_LT(text.size(), 400u);
    EXPECT_EQ(text.substr(0, 10), "abcdefghij");
}

}  // namespace
