// SPDX-License-Identifier: GPL-3.0-or-later
// What the options screen needs of the machine: the settings in force and putting new ones in
// force at once, saving them, the next key or pad button pressed (to bind it), the kind of pad
// plugged in, and the pace of the game's frames. Nothing here includes SDL.
#pragma once

#include <string>

#include "platform/settings.h"

// The settings in force for this run.
const Settings& SettingsInForce();
// Puts settings in force at once: display, volumes, key and pad bindings. The settings file
// will hold them too, except the command line's choices for this run where these leave them
// as they were.
void ApplySettings(const Settings& settings);
// Writes the settings file now (atomically, the player's other lines kept). True when it was
// written or when this run keeps no file (the headless runner never writes one).
bool SaveSettingsNow();

// The SDL name of the physical key pressed last since the previous call ("Left Ctrl"), ""
// when none was; Escape and the function keys included.
std::string TakeKeyPress();
// The pad button pressed last since the previous call: its SDL game-controller name ("a",
// "rightshoulder"), or its number ("3") on a plain joystick; "" when none was.
std::string TakePadPress();
// A key name as the game shows it (SDL's own spelling of it: "left ctrl" is "Left Ctrl").
std::string KeyDisplayName(const std::string& sdl_key_name);

enum class PadKind { kNone, kController, kJoystick };
// The pad the game reads now: a game controller, a plain joystick, or none.
PadKind ConnectedPad();
// True once after the pad in use was unplugged.
bool TakePadUnplugged();
// The joystick button (for JoyHit) that the pad's options buttons drive.
constexpr int kOptionsJoyButton = 8;

// The game's frames come at this percentage of the designed 60 a second (50..100).
void SetFramePace(int percent);
int FramePace();
// While on, Flip neither shows the picture nor waits for its time: the frames run as fast as
// they are made (a watched replay seeking, or faster than the game). Their pictures are drawn
// only where something reads them (a later screen that grabs the picture, a screenshot).
void SetFlipsUnseen(bool unseen);
