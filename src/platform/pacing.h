// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for a frame's deadline precisely on the desktop: a high-resolution clock, a sleep to
// about a millisecond before the deadline and a short spin for the rest.
#pragma once

#include "platform/settings.h"

// Milliseconds since the first call, with sub-millisecond precision.
double PreciseMs();
// Returns at or just after `deadline_ms` (on the PreciseMs clock); at once when it has passed.
void WaitUntil(double deadline_ms);
// Whether presenting waits for the vertical blank: `auto` only on a display that runs at
// 60 Hz (59.9 to 60.1; 0 means the display does not say).
bool UseVsync(VsyncMode mode, double refresh_hz);

// The frame schedule of Flip(-1): `period` milliseconds a frame, and one more in `remainder`
// of every `rate` frames, so that `rate` frames take exactly a second.
struct FrameSchedule {
    int rate = 60, period = 16, remainder = 40;
};
// The schedule of `hertz` frames a second played at `percent` of that pace (50..100): at 50 %
// of 60 Hz, 30 frames a second, so 300 frames take ten seconds.
FrameSchedule PacedSchedule(int hertz, int percent);
