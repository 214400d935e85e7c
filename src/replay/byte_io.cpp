// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/byte_io.h"

#include <array>

uint32_t crc32_of(const std::string& bytes, size_t begin, size_t end) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t c = 0xffffffffu;
    for (size_t i = begin; i < end && i < bytes.size(); ++i)
        c = table[(c ^ static_cast<unsigned char>(bytes[i])) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}
