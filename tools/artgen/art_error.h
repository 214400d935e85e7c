// SPDX-License-Identifier: GPL-3.0-or-later
// The one error type of the art generator: a message naming the file (and line) at fault,
// caught in main, printed and turned into a non-zero exit status.
#pragma once

#include <stdexcept>
#include <string>

namespace artgen {

struct ArtError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace artgen
