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
