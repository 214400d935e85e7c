// SPDX-License-Identifier: GPL-3.0-or-later
// A pad button as the player reads it: "A", "Right shoulder", "D-pad up", "Button 3".
#pragma once

#include <string>

// From an SDL game-controller button name or a plain joystick's button number.
std::string PadButtonDisplayName(const std::string& button);
