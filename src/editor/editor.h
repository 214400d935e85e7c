// SPDX-License-Identifier: GPL-3.0-or-later
// The level editor: an area of a pack painted with the game's own pictures, played from any
// column through the game's real play loop, and checked by the bot. It runs in the game
// program (`varnoth --edit DIR [L.A]`, or from the options' Levels item) and in the headless
// runner alike.
#pragma once

#include <string>
#include <vector>

// True while the editor's test play runs: such a game is recorded nowhere, sets no top score
// and counts as no area reached.
bool editor_test_play_active();

// True once a Check has answered since the program started: the headless runner can end its
// run soon after, however long the bot took in real time.
bool editor_check_answered();

// What `--edit DIR [L.A]` asked for, read from args[i] on ("--edit" itself at args[i]); i is
// left on the last argument used. False, with the reason, when they make no sense.
struct EditRequest {
    std::string folder;
    int level = 1, area = 1;
};
bool parse_edit_arguments(const std::vector<std::string>& args, size_t& i, EditRequest& request,
                          std::string& why);

// Runs the editor on the screen the game has set up (after start_up); returns when the author
// leaves it. True when the window was closed meanwhile (the program is to end).
bool run_editor(const EditRequest& request);

// The program as `--edit` starts it: start-up without the logo, the editor, then the end.
[[noreturn]] void editor_program(const EditRequest& request);
