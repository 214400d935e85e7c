// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of display, sound and assist settings, and the main page that leads to them.
#include "options/standard_options.h"

#include "options/options_menu.h"
#include "options/settings_edit.h"
#include "platform/player_choices.h"
#include "shell/globals.h"

namespace {

template <typename E>
OptionItem cycle_item(const std::string& label, const std::string& help, int order,
                      E Settings::*field, std::vector<std::string> names) {
    OptionItem item;
    item.label = label;
    item.help = help;
    item.order = order;
    const int count = static_cast<int>(names.size());
    item.value = [=] { return names[static_cast<size_t>(SettingsInForce().*field)]; };
    item.change = [=](int step) {
        EditSettings([=](Settings& s) {
            s.*field = static_cast<E>((static_cast<int>(s.*field) + count + step) % count);
        });
    };
    return item;
}

void add_display_page() {
    AddOptionsPage("display", "Display");
    AddOptionsItem("display", ChoiceItem("Screen", "Full screen or a window (also F11)", 10,
                                         &Settings::fullscreen, "Full screen", "Window"));
    AddOptionsItem(
        "display",
        cycle_item("Scaling", "Fit fills the screen sharply; integer keeps to whole multiples", 20,
                   &Settings::scale, {"Fit", "Integer"}));
    AddOptionsItem(
        "display",
        cycle_item("Vertical sync", "Wait for the screen's refresh: auto does so on 60 Hz screens",
                   30, &Settings::vsync, {"Auto", "On", "Off"}));
}

// A volume's change is heard at once: an effect sounds at the new effects volume, and the
// music, which plays on, takes its new volume as it goes.
OptionItem volume_item(const std::string& label, const std::string& help, int order,
                       int Settings::*field, bool effects) {
    OptionItem item = NumberItem(label, help, order, field, 0, 100, 10, " %");
    const auto change = item.change;
    item.change = [change, effects](int step) {
        change(step);
        if (effects) PlaySound(snd_magic, nullptr);
    };
    return item;
}

void add_sound_page() {
    AddOptionsPage("sound", "Sound");
    AddOptionsItem("sound", volume_item("Effects volume",
                                        "0 is silent; F2 still switches the effects off and on", 10,
                                        &Settings::effects_volume, true));
    AddOptionsItem(
        "sound", volume_item("Music volume", "0 is silent; F3 still switches the music off and on",
                             20, &Settings::music_volume, false));
}

void add_assist_page() {
    AddOptionsPage("assist", "Assist");
    OptionItem speed =
        NumberItem("Game speed", "Everything moves slower: at 50 % the game runs at half pace", 10,
                   &Settings::assist_speed, 50, 100, 10, " %");
    OptionItem invincible =
        ChoiceItem("Invincible", "No monster, shot or flame hurts; water, lava and falls still do",
                   20, &Settings::assist_invincible, "Yes", "No");
    OptionItem lives = ChoiceItem("Unlimited lives", "A life lost is not counted", 30,
                                  &Settings::assist_unlimited_lives, "Yes", "No");
    for (OptionItem* item : {&speed, &invincible, &lives}) {
        item->locked_in_game = true;
        AddOptionsItem("assist", *item);
    }
}

void restore_defaults() {
    AskOptionsQuestion("Put every setting back as it was at first?", [] {
        EditSettings([](Settings& s) {
            Settings fresh;
            // A game under way keeps the assist it started with.
            if (OptionsOpenedInGame()) {
                fresh.assist_speed = s.assist_speed;
                fresh.assist_invincible = s.assist_invincible;
                fresh.assist_unlimited_lives = s.assist_unlimited_lives;
            }
            s = fresh;
        });
        ShowOptionsMessage("Every setting is back as it was at first");
    });
}

void add_main_page() {
    AddOptionsPage(kOptionsMainPage, "Options");
    AddOptionsItem(kOptionsMainPage, PageEntry("Display",
                                               "Full screen or window, scaling and "
                                               "vertical sync",
                                               10, "display"));
    AddOptionsItem(kOptionsMainPage,
                   PageEntry("Sound", "The volumes of the effects and the music", 20, "sound"));
    AddOptionsItem(kOptionsMainPage, PageEntry("Controls",
                                               "The keyboard's keys and the pad's "
                                               "buttons",
                                               30, "controls"));
    AddOptionsItem(kOptionsMainPage,
                   PageEntry("Assist", "Help for a hard game; an assisted game sets no top score",
                             40, "assist"));
    OptionItem restore;
    restore.label = "Restore defaults";
    restore.help = "Every setting back as it was at first (asks first)";
    restore.order = 80;
    restore.activate = restore_defaults;
    AddOptionsItem(kOptionsMainPage, restore);
    OptionItem leave;
    leave.label = "Leave the game";
    leave.help = "Back to the title screen, as F1 does (asks first)";
    leave.order = 85;
    leave.only_in_game = true;
    leave.activate = [] {
        AskOptionsQuestion("Leave this game for the title screen?",
                           [] { CloseOptionsScreen(OptionsExit::kLeaveGame); });
    };
    AddOptionsItem(kOptionsMainPage, leave);
}

}  // namespace

void AddStandardOptions() {
    if (FindOptionsPage("display")) return;
    add_main_page();
    add_display_page();
    add_sound_page();
    AddControlsPages();
    add_assist_page();
}
