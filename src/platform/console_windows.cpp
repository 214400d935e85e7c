// SPDX-License-Identifier: GPL-3.0-or-later
// The console on Windows: a windowed program starts with no standard output unless its parent
// handed it a file or a pipe, so its messages (--help, --version, a bad option) would vanish.
// It attaches to the console of the command prompt it was started from, if any.
#include <cstdio>

#include "platform/backend.h"
#include "platform/windows_api.h"

namespace {

bool has_output(DWORD which) {
    HANDLE h = GetStdHandle(which);
    return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void PlatformUseParentConsole() {
    const bool out = has_output(STD_OUTPUT_HANDLE), err = has_output(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    // A stream that cannot be reopened is closed, which loses nothing: it had nowhere to go.
    if (!out) static_cast<void>(std::freopen("CONOUT$", "w", stdout));
    if (!err) static_cast<void>(std::freopen("CONOUT$", "w", stderr));
}
