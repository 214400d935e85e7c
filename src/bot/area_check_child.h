// SPDX-License-Identifier: GPL-3.0-or-later
// The game program started again to check an area for the game that started it: it reads the
// request on its standard input and answers on its standard output, headless and without
// drawing, touching none of the player's files. The program entries ask it first thing.
#pragma once

// True when the command line is the one AreaCheck starts its child with.
bool area_check_child_wanted(int argc, char** argv);

// Runs the check the request asks for; the program's exit status (0 when it answered, 2 for a
// request it cannot read).
int area_check_child_main();
