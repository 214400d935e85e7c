// SPDX-License-Identifier: GPL-3.0-or-later
// Errors found in a sound source file. Every message names the file and line so that a typo in
// an effect or in the score points straight at itself.
#pragma once

#include <stdexcept>
#include <string>

namespace sfxgen {

class SourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws a SourceError reading "file:line: message" (line 0 leaves the line out).
[[noreturn]] void fail_at(const std::string& file, int line, const std::string& message);

}  // namespace sfxgen
