// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's and the pad's pages: an item per control, changed by pressing the new key or
// button. A key or button another control uses is named ("Left Ctrl is used by Jump") and the
// two controls swap only when the player says yes; the keys the game keeps cannot be taken.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "options/options_menu.h"
#include "options/pad_names.h"
#include "options/settings_edit.h"
#include "options/standard_options.h"
#include "platform/player_choices.h"

namespace {

const char* const kKeyControlNames[kBoundControls] = {"Left", "Right", "Up",   "Down",
                                                      "Jump", "Turbo", "Pause"};
const char* const kPadControlNames[kPadControls] = {"Jump", "Turbo", "Pause", "Options"};

// Escape, Tab and the function keys have their own meaning everywhere in the game.
bool kept_by_the_game(const std::string& key) {
    static const std::array<const char*, 8> kept = {"Escape", "Tab", "F1",  "F2",
                                                    "F3",     "F10", "F11", "F12"};
    const std::string name = KeyDisplayName(key);
    return std::find(kept.begin(), kept.end(), name) != kept.end();
}

void take_key(size_t control, const std::string& pressed) {
    const std::string key = KeyDisplayName(pressed);
    if (kept_by_the_game(key)) {
        ShowOptionsMessage(key + " is kept by the game and cannot be taken");
        return;
    }
    const Settings& s = SettingsInForce();
    if (KeyDisplayName(s.keys[control]) == key) return;
    for (size_t other = 0; other < kBoundControls; ++other) {
        if (other == control || KeyDisplayName(s.keys[other]) != key) continue;
        const std::string own = s.keys[control];
        AskOptionsQuestion(key + " is used by " + kKeyControlNames[other] + "\nSwap the keys of " +
                               kKeyControlNames[control] + " and " + kKeyControlNames[other] + "?",
                           [=] {
                               EditSettings([=](Settings& e) {
                                   e.keys[other] = own;
                                   e.keys[control] = key;
                               });
                           });
        return;
    }
    EditSettings([=](Settings& e) { e.keys[control] = key; });
}

OptionItem key_item(size_t control) {
    OptionItem item;
    item.label = kKeyControlNames[control];
    item.help = "Select it, then press the new key within five seconds";
    item.order = 10 * static_cast<int>(control + 1);
    item.value = [control] { return KeyDisplayName(SettingsInForce().keys[control]); };
    item.activate = [control] {
        CaptureOptionsInput(CaptureDevice::kKeyboard,
                            std::string("Press the new key for ") + kKeyControlNames[control] +
                                " (Escape: keep the old one)",
                            [control](const std::string& key) { take_key(control, key); });
    };
    return item;
}

// The words of a pad binding that a device of this kind answers to: button names for a game
// controller, numbers for a plain joystick.
std::vector<std::string> words_for(const std::string& binding, bool names) {
    std::vector<std::string> words;
    for (const std::string& w : PadButtons(binding))
        if (IsPadButtonName(w) == names) words.push_back(w);
    return words;
}

// The binding with the words of one kind replaced and those of the other kept.
std::string replaced(const std::string& binding, bool names, const std::vector<std::string>& by) {
    std::string out;
    for (const std::string& w : PadButtons(binding))
        if (IsPadButtonName(w) != names) out += (out.empty() ? "" : " ") + w;
    std::string put;
    for (const std::string& w : by) put += (put.empty() ? "" : " ") + w;
    return names ? put + (out.empty() || put.empty() ? "" : " ") + out
                 : out + (out.empty() || put.empty() ? "" : " ") + put;
}

void take_button(size_t control, const std::string& button) {
    const bool names = IsPadButtonName(button);
    const Settings& s = SettingsInForce();
    const std::vector<std::string> own = words_for(s.pad[control], names);
    if (own.size() == 1 && own[0] == button) return;
    for (size_t other = 0; other < kPadControls; ++other) {
        const std::vector<std::string> theirs = words_for(s.pad[other], names);
        if (other == control || std::find(theirs.begin(), theirs.end(), button) == theirs.end())
            continue;
        AskOptionsQuestion(PadButtonDisplayName(button) + " is used by " + kPadControlNames[other] +
                               "\nSwap the buttons of " + kPadControlNames[control] + " and " +
                               kPadControlNames[other] + "?",
                           [=] {
                               // The other control keeps its further buttons.
                               std::vector<std::string> rest;
                               for (const std::string& w : theirs)
                                   if (w != button) rest.push_back(w);
                               for (const std::string& w : own)
                                   if (std::find(rest.begin(), rest.end(), w) == rest.end())
                                       rest.push_back(w);
                               EditSettings([=](Settings& e) {
                                   e.pad[other] = replaced(e.pad[other], names, rest);
                                   e.pad[control] = replaced(e.pad[control], names, {button});
                               });
                           });
        return;
    }
    EditSettings([=](Settings& e) { e.pad[control] = replaced(e.pad[control], names, {button}); });
}

OptionItem pad_item(size_t control) {
    OptionItem item;
    item.label = kPadControlNames[control];
    item.help = control == 3 ? "Opens and closes the options, as F10 does"
                             : "Select it, then press the new button within five seconds";
    item.order = 10 * static_cast<int>(control + 1);
    item.value = [control] {
        const bool names = ConnectedPad() != PadKind::kJoystick;
        std::string shown;
        for (const std::string& w : words_for(SettingsInForce().pad[control], names))
            shown += (shown.empty() ? "" : ", ") + PadButtonDisplayName(w);
        return shown.empty() ? std::string("none") : shown;
    };
    item.activate = [control] {
        if (ConnectedPad() == PadKind::kNone) {
            ShowOptionsMessage("No pad is plugged in");
            return;
        }
        CaptureOptionsInput(CaptureDevice::kPad,
                            std::string("Press the pad's new button for ") +
                                kPadControlNames[control] + " (Escape: keep the old one)",
                            [control](const std::string& b) { take_button(control, b); });
    };
    return item;
}

}  // namespace

void AddControlsPages() {
    AddOptionsPage("controls", "Controls");
    AddOptionsItem("controls", PageEntry("Keyboard", "Keys for moving, jumping, turbo and pause",
                                         10, "keyboard"));
    AddOptionsItem(
        "controls",
        PageEntry("Pad", "A pad's buttons for jump, turbo, pause and options", 20, "pad"));
    AddOptionsPage("keyboard", "Keyboard");
    for (size_t i = 0; i < kBoundControls; ++i) AddOptionsItem("keyboard", key_item(i));
    AddOptionsPage("pad", "Pad");
    for (size_t i = 0; i < kPadControls; ++i) AddOptionsItem("pad", pad_item(i));
}
