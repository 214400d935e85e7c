// SPDX-License-Identifier: GPL-3.0-or-later
// The console on Linux and other POSIX systems: a program started from a terminal writes to it.
#include "platform/backend.h"

void PlatformUseParentConsole() {}
