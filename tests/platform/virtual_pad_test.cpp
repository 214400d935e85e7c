// SPDX-License-Identifier: GPL-3.0-or-later
// A real SDL game controller, made by SDL's virtual joystick driver: its buttons through the
// bindings, the button a remap would take, and its unplugging, which the game hears of once.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include "platform/internal.h"
#include "platform/pad_bindings.h"
#include "platform/player_choices.h"
#include "support/test_game.h"

TEST(VirtualPad, ButtonsGoThroughTheBindingsAndUnpluggingIsHeardOnce) {
    fresh_game();
    // The test's hidden window never has the focus that SDL otherwise wants for pad input.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6,
                                                SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    ASSERT_TRUE(SDL_IsGameController(index));
    SDL_GameController* pad = SDL_GameControllerOpen(index);
    ASSERT_NE(pad, nullptr) << SDL_GetError();
    SDL_Joystick* stick = SDL_GameControllerGetJoystick(pad);
    const auto game_buttons = [&](SDL_GameControllerButton held) {
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
            SDL_JoystickSetVirtualButton(stick, b, b == held ? 1 : 0);
        SDL_GameControllerUpdate();
        bool down[plat::kJoyButtons] = {};
        plat::read_pad_buttons(pad, nullptr, down);
        std::vector<int> pressed;
        for (int b = 0; b < plat::kJoyButtons; ++b)
            if (down[b]) pressed.push_back(b);
        return pressed;
    };
    TakePadPress();
    EXPECT_EQ(game_buttons(SDL_CONTROLLER_BUTTON_A), std::vector<int>{0});
    EXPECT_EQ(TakePadPress(), "a");
    EXPECT_EQ(game_buttons(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER), std::vector<int>{1});
    EXPECT_EQ(game_buttons(SDL_CONTROLLER_BUTTON_BACK), std::vector<int>{kOptionsJoyButton});
    EXPECT_EQ(game_buttons(SDL_CONTROLLER_BUTTON_Y), std::vector<int>{});
    EXPECT_EQ(TakePadPress(), "y") << "any button of the pad can be taken for a control";
    Settings s;
    s.pad[static_cast<size_t>(PadControl::kPause)] = "y";
    ApplySettings(s);
    EXPECT_EQ(game_buttons(SDL_CONTROLLER_BUTTON_Y), std::vector<int>{2});
    EXPECT_EQ(game_buttons(SDL_CONTROLLER_BUTTON_X), std::vector<int>{});
    ApplySettings(Settings{});
    SDL_GameControllerClose(pad);

    // The game opens the pad when it comes, and hears once that it went.
    TakePadUnplugged();
    plat::input_joy_device_event();
    SDL_JoystickDetachVirtual(index);
    plat::input_joy_device_event();
    EXPECT_TRUE(TakePadUnplugged());
    EXPECT_FALSE(TakePadUnplugged());
    plat::input_reset_devices();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
}
