// SPDX-License-Identifier: GPL-3.0-or-later
// The wall clock, read the same way on every system and by every backend.
#include <chrono>
#include <cstdint>

#include "platform/platform.h"

int WallClockMilliSecs() {
    const auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count();
    return static_cast<int>(static_cast<uint32_t>(ms));
}
