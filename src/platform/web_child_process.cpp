// SPDX-License-Identifier: GPL-3.0-or-later
// A page in a browser starts no other programs: a child process never starts there, which its
// callers report as they report any child that cannot start.
#include "platform/child_process.h"

std::unique_ptr<ChildProcess> ChildProcess::Start(const std::string& program,
                                                  const std::vector<std::string>&,
                                                  std::string& error) {
    error = "cannot start " + program + ": a browser runs no other programs";
    return nullptr;
}

std::string OwnProgramPath() {
    return "";
}

void UseBinaryStandardStreams() {}
