// SPDX-License-Identifier: GPL-3.0-or-later
// Changing the settings from the options screen: every change is in force at once, and the
// settings file is written once, when the screen closes, if anything changed.
#pragma once

#include <functional>
#include <string>

#include "options/options_menu.h"
#include "platform/settings.h"

// Changes the settings in force with `edit`.
void EditSettings(const std::function<void(Settings&)>& edit);
// Writes the settings file if anything changed since the last call; a file that cannot be
// written is named on standard error, the settings staying in force.
void SaveEditedSettings();

// Items for a setting: two words for a yes-or-no field, or a number stepped between limits.
OptionItem ChoiceItem(const std::string& label, const std::string& help, int order,
                      bool Settings::*field, const char* yes, const char* no);
OptionItem NumberItem(const std::string& label, const std::string& help, int order,
                      int Settings::*field, int low, int high, int step, const std::string& unit);
