// SPDX-License-Identifier: GPL-3.0-or-later
// The precise wait behind Flip(-1) on the desktop.
#include "platform/pacing.h"

#include <SDL2/SDL.h>

#include <algorithm>

#include "platform/internal.h"

double PreciseMs() {
    static const Uint64 start = SDL_GetPerformanceCounter();
    static const double per_ms = static_cast<double>(SDL_GetPerformanceFrequency()) / 1000.0;
    return static_cast<double>(SDL_GetPerformanceCounter() - start) / per_ms;
}

void WaitUntil(double deadline_ms) {
    // Sleeps overshoot by a fraction of a millisecond, so the last stretch is a spin.
    constexpr double kSpinMs = 1.0;
    double left = deadline_ms - PreciseMs();
    if (left > kSpinMs) plat::sleep_about(left - kSpinMs);
    while (PreciseMs() < deadline_ms) {
    }
}

bool UseVsync(VsyncMode mode, double refresh_hz) {
    if (mode == VsyncMode::kOn) return true;
    if (mode == VsyncMode::kOff) return false;
    return refresh_hz >= 59.9 && refresh_hz <= 60.1;
}

FrameSchedule PacedSchedule(int hertz, int percent) {
    FrameSchedule s;
    percent = percent < 50 ? 50 : (percent > 100 ? 100 : percent);
    s.rate = std::max(1, (hertz * percent + 50) / 100);
    s.period = 1000 / s.rate;
    s.remainder = 1000 - s.period * s.rate;
    return s;
}
