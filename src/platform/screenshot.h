// SPDX-License-Identifier: GPL-3.0-or-later
// F12: the game's 640 x 480 picture as a PNG in the user's screenshots folder.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// Writes the picture into `folder` (created when missing) as varnoth-YYYYMMDD-HHMMSS.png, or
// with "-2", "-3" ... when that name is taken. Returns the path, or "" when nothing was written.
std::string SaveScreenshot(const std::string& folder, const std::vector<uint8_t>& rgb,
                           std::time_t when);
