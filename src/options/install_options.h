// SPDX-License-Identifier: GPL-3.0-or-later
// Connects the options screen and the assist to the designed game's hooks.
#pragma once

// Sets the hooks and registers the screen's pages and the title line's "F10 options".
void install_options();
