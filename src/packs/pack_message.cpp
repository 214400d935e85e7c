// SPDX-License-Identifier: GPL-3.0-or-later
// A pack message in the form compilers use, which terminals and editors know how to follow.
#include "packs/pack_message.h"

std::string PackMessage::to_string() const {
    if (line <= 0) return file + ": " + text;
    return file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + text;
}
