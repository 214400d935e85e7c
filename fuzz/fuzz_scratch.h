// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes handed to a tool's reader that only takes a path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the bytes to a scratch file of this process (the same one each call) and returns its
// path.
std::string fuzz_scratch_file(const std::string& suffix, const uint8_t* data, size_t size);
