// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: the real game started once on the headless backend without
// drawing, and a way to hand the
// game's readers bytes where they expect a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/backend.h"
#include "shell/globals.h"

// Starts the platform and the game up to the title (once per process) and returns the state
// every input starts from.
const game_state& fuzz_boot();

// Registers the bytes as the embedded block NAME and returns "incbin::NAME", a path every
// stream reader of the platform accepts. The bytes must outlive the reads.
std::string fuzz_incbin(const std::string& name, const uint8_t* data, size_t size);
