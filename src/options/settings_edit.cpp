// SPDX-License-Identifier: GPL-3.0-or-later
// Settings changed from the options screen, and the items that change one field.
#include "options/settings_edit.h"

#include <algorithm>
#include <cstdio>

#include "platform/player_choices.h"

namespace {
bool g_changed = false;
}  // namespace

void EditSettings(const std::function<void(Settings&)>& edit) {
    Settings s = SettingsInForce();
    edit(s);
    ApplySettings(s);
    g_changed = true;
}

void SaveEditedSettings() {
    if (!g_changed) return;
    g_changed = false;
    if (!SaveSettingsNow()) std::fprintf(stderr, "varnoth: cannot write the settings file\n");
}

OptionItem ChoiceItem(const std::string& label, const std::string& help, int order,
                      bool Settings::*field, const char* yes, const char* no) {
    OptionItem item;
    item.label = label;
    item.help = help;
    item.order = order;
    item.value = [=] { return std::string(SettingsInForce().*field ? yes : no); };
    item.change = [=](int) { EditSettings([=](Settings& s) { s.*field = !(s.*field); }); };
    return item;
}

OptionItem NumberItem(const std::string& label, const std::string& help, int order,
                      int Settings::*field, int low, int high, int step, const std::string& unit) {
    OptionItem item;
    item.label = label;
    item.help = help;
    item.order = order;
    item.value = [=] { return std::to_string(SettingsInForce().*field) + unit; };
    item.change = [=](int direction) {
        EditSettings([=](Settings& s) {
            // A value from the file between two steps moves to the next step on its way.
            const int v = s.*field;
            const int next =
                direction > 0 ? (v / step + 1) * step : ((v + step - 1) / step - 1) * step;
            s.*field = std::clamp(next, low, high);
        });
    };
    return item;
}
