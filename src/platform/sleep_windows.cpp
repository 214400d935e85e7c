// SPDX-License-Identifier: GPL-3.0-or-later
// Sleeping on Windows: the system timer ticks every 15.6 ms unless a program asks for more, and
// a sleep ends only on a tick, which would make every frame's sleep overshoot its deadline. The
// game asks for 1 ms ticks from its first wait to its exit (SDL may ask as well; the request
// here does not depend on it) and sleeps whole milliseconds, rounded down, so that a sleep
// ending on the tick after still ends before the deadline.
#include <cstdlib>

#include "platform/internal.h"
#include "platform/windows_api.h"
// After windows.h, which it needs.
#include <mmsystem.h>

namespace plat {

void sleep_about(double ms) {
    static const bool fine_ticks = [] {
        if (timeBeginPeriod(1) != TIMERR_NOERROR) return false;
        std::atexit([] { timeEndPeriod(1); });
        return true;
    }();
    (void)fine_ticks;
    if (ms >= 1.0) Sleep(static_cast<DWORD>(ms));
}

}  // namespace plat
