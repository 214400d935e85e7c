// SPDX-License-Identifier: GPL-3.0-or-later
// Sleeping on Linux and other POSIX systems: nanosleep wakes within tens of microseconds.
#include <chrono>
#include <thread>

#include "platform/internal.h"

namespace plat {

void sleep_about(double ms) {
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

}  // namespace plat
