// SPDX-License-Identifier: GPL-3.0-or-later
// Connects what was added beyond the designed game (options, replays, level packs, the editor)
// to the designed game's hooks. The programs call it once, before the game starts.
#pragma once

void install_addons();
