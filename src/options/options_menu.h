// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen's pages and items, as a registry other modules add to: a page is a list
// of items, an item a line with a label, a help text and what it does. The screen itself
// (options_screen.h) draws them and turns keys, mouse and pad into calls of these functions.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The page the options screen opens on.
inline constexpr const char* kOptionsMainPage = "options";

struct OptionItem {
    std::string label;
    // The one-line help text under the list while the item is chosen.
    std::string help;
    // Items are listed by this number, lowest first (the screen's own items use 10, 20, ...).
    int order = 0;
    // The value shown beside the label; null for an entry without one.
    std::function<std::string()> value;
    // Left or Right (step -1 or +1) changes the value; null for an entry without one.
    std::function<void(int step)> change;
    // Jump, Return or a click: null means the same as change(+1).
    std::function<void()> activate;
    // Shown but not changed while a game is under way (opened from the pause).
    bool locked_in_game = false;
    // Listed only while a game is under way, or only on the title.
    bool only_in_game = false;
    bool only_on_title = false;
};

struct OptionPage {
    std::string id;
    std::string title;
    std::vector<OptionItem> items;  // by order; every page ends with "Back"
};

// Adds a page (its title shown at the top) and an item to a page. A page that does not exist
// yet is made with the item, and its title can be given later.
void AddOptionsPage(const std::string& id, const std::string& title);
void AddOptionsItem(const std::string& page, OptionItem item);
// An item that opens a page: the usual way to put a page on another one.
OptionItem PageEntry(const std::string& label, const std::string& help, int order,
                     const std::string& page);
// The page as registered, or null.
const OptionPage* FindOptionsPage(const std::string& id);
// Forgets every page (the screen's own are added again by AddStandardOptions).
void ClearOptionsPages();

// What an item may ask of the screen while it runs.
// Opens a page over the current one; Escape, B or "Back" return.
void OpenOptionsPage(const std::string& id);
// Asks a yes-or-no question; `yes` runs only when the player confirms.
void AskOptionsQuestion(const std::string& question, std::function<void()> yes);
// Shows a message in place of the help line for a few seconds.
void ShowOptionsMessage(const std::string& message);
// Waits a few seconds for a new key (or pad button): `got` receives its name, or is not called
// when the time runs out or the player goes back. `prompt` is shown meanwhile.
enum class CaptureDevice { kKeyboard, kPad };
void CaptureOptionsInput(CaptureDevice device, const std::string& prompt,
                         std::function<void(const std::string& name)> got);
// Closes the whole screen after this frame, with a request for the screen's caller.
enum class OptionsExit { kBack, kLeaveGame, kQuit };
void CloseOptionsScreen(OptionsExit exit);
// True while the screen was opened from a game under way (the pause).
bool OptionsOpenedInGame();
// The question and the message on the screen now ("" when none): what the player reads.
std::string OptionsQuestionShown();
std::string OptionsMessageShown();
