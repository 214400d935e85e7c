// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_scratch.h"

#include <unistd.h>

#include <cstdio>

std::string fuzz_scratch_file(const std::string& suffix, const uint8_t* data, size_t size) {
    const std::string path = "/tmp/varnoth-fuzz-" + std::to_string(getpid()) + suffix;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}
