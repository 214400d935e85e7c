// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arguments on Linux and other POSIX systems: as main() is handed them, the
// bytes of the names the file system holds.
#include "platform/backend.h"

std::vector<std::string> PlatformArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}
