// The page structure of an Ogg file: a damaged byte fails a page's checksum and a cut-off file
// lacks its last page, both of which the Vorbis decoder would pass over in silence.
#include <array>

#include "platform/internal.h"

namespace {

constexpr size_t kHeaderBytes = 27;
constexpr size_t kChecksumAt = 22;
constexpr size_t kSegmentCountAt = 26;
constexpr uint8_t kFirstPage = 0x02;
constexpr uint8_t kLastPage = 0x04;

// The checksum of the Ogg format: CRC-32 with polynomial 0x04c11db7, not reflected, from 0.
const std::array<uint32_t, 256>& crc_table() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t r = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04c11db7u : r << 1;
            t[i] = r;
        }
        return t;
    }();
    return table;
}

uint32_t page_checksum(const uint8_t* page, size_t size) {
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = i >= kChecksumAt && i < kChecksumAt + 4 ? 0 : page[i];
        crc = (crc << 8) ^ crc_table()[((crc >> 24) ^ byte) & 0xff];
    }
    return crc;
}

}  // namespace

namespace plat {

bool ogg_whole(const std::vector<uint8_t>& bytes) {
    size_t at = 0;
    uint8_t flags = 0;
    while (at < bytes.size()) {
        const uint8_t* page = bytes.data() + at;
        const size_t left = bytes.size() - at;
        if (left < kHeaderBytes || page[0] != 'O' || page[1] != 'g' || page[2] != 'g' ||
            page[3] != 'S' || page[4] != 0)
            return false;
        flags = page[5];
        if (at == 0 && !(flags & kFirstPage)) return false;
        const size_t segments = page[kSegmentCountAt];
        if (left < kHeaderBytes + segments) return false;
        size_t size = kHeaderBytes + segments;
        for (size_t i = 0; i < segments; ++i) size += page[kHeaderBytes + i];
        if (left < size) return false;
        const uint32_t stored = static_cast<uint32_t>(page[kChecksumAt]) |
                                static_cast<uint32_t>(page[kChecksumAt + 1]) << 8 |
                                static_cast<uint32_t>(page[kChecksumAt + 2]) << 16 |
                                static_cast<uint32_t>(page[kChecksumAt + 3]) << 24;
        if (stored != page_checksum(page, size)) return false;
        at += size;
    }
    return at > 0 && (flags & kLastPage);
}

}  // namespace plat
