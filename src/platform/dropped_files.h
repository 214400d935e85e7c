// SPDX-License-Identifier: GPL-3.0-or-later
// Files the player drops onto the game: onto the window on the desktop, onto the page in a
// browser (which puts the file in the program's own file system first). And the one line the
// game may have to say about such a file outside its picture.
#pragma once

#include <string>

// The path of the last file dropped since the last call (one the game's file functions open),
// or "" when none was. A file dropped while an earlier one waits takes its place.
std::string TakeDroppedFile();
// Says one line to the player outside the picture: the page shows it for a while; a desktop
// window has no room for it, so it goes to standard error.
void ShowNotice(const std::string& line);
