// SPDX-License-Identifier: GPL-3.0-or-later
// The page structure of an Ogg file: a damaged byte fails a page's checksum and a cut-off file
// lacks its last page, both of which the Vorbis decoder would pass over in silence. And one
// fault of the decoder itself: a codebook whose code lengths do not make a whole prefix code
// (in a file whose checksums were made to fit) leaves libvorbis 1.3.7 with an emptied book that
// it later divides by, killing the program; such a file is refused before it is decoded.
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

// The packet after the identification and comment headers: the setup header with the books.
constexpr int kSetupPacket = 2;
constexpr uint32_t kCodebookSync = 0x564342;  // "BCV" read as a 24-bit number

// Bits of a Vorbis packet, least significant first as libvorbis reads them; false past the end.
struct BitReader {
    const std::vector<uint8_t>& bytes;
    size_t bit;
    bool read(int count, uint32_t& value) {
        if (bit + static_cast<size_t>(count) > bytes.size() * 8) return false;
        value = 0;
        for (int i = 0; i < count; ++i, ++bit)
            value |= static_cast<uint32_t>((bytes[bit / 8] >> (bit % 8)) & 1) << i;
        return true;
    }
};

int bits_for(uint32_t v) {
    int n = 0;
    for (; v; v >>= 1) ++n;
    return n;
}

// The code lengths of the book whose sync pattern ends at `r`: used lengths must fill the code
// space exactly (2^-length summed to one), unless a single entry is used.
bool book_lengths_whole(BitReader r) {
    uint32_t dim = 0, entries = 0, ordered = 0, sparse = 0, length = 0, used = 0, flag = 0;
    if (!r.read(16, dim) || !r.read(24, entries) || !r.read(1, ordered)) return false;
    uint64_t space = 0;  // in units of 2^-32
    auto add = [&](uint32_t len, uint32_t count) {
        used += count;
        if (len <= 32) space += static_cast<uint64_t>(count) << (32 - len);
    };
    if (ordered) {
        if (!r.read(5, length)) return false;
        ++length;
        for (uint32_t i = 0; i < entries; ++length) {
            uint32_t count = 0;
            if (!r.read(bits_for(entries - i), count) || count > entries - i) return false;
            add(length, count);
            i += count;
        }
    } else {
        if (!r.read(1, sparse)) return false;
        for (uint32_t i = 0; i < entries; ++i) {
            if (sparse && !r.read(1, flag)) return false;
            if (sparse && !flag) continue;
            if (!r.read(5, length)) return false;
            add(length + 1, 1);
        }
    }
    return used == 1 || space == (uint64_t{1} << 32);
}

// The books are packed bit by bit, so every bit position is tried for a sync pattern.
bool codebooks_whole(const std::vector<uint8_t>& setup) {
    BitReader r{setup, 0};
    for (size_t bit = 0; bit + 24 <= setup.size() * 8; ++bit) {
        r.bit = bit;
        uint32_t sync = 0;
        r.read(24, sync);
        if (sync == kCodebookSync && !book_lengths_whole(r)) return false;
    }
    return true;
}

}  // namespace

namespace plat {

bool ogg_whole(const std::vector<uint8_t>& bytes) {
    size_t at = 0;
    uint8_t flags = 0;
    int packets = 0;
    std::vector<uint8_t> setup;
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
        const uint8_t* body = page + kHeaderBytes + segments;
        for (size_t i = 0; i < segments && packets <= kSetupPacket; ++i) {
            const uint8_t lace = page[kHeaderBytes + i];
            if (packets == kSetupPacket) setup.insert(setup.end(), body, body + lace);
            body += lace;
            if (lace < 255) ++packets;  // a lace below 255 ends its packet
        }
        at += size;
    }
    return at > 0 && (flags & kLastPage) && packets > kSetupPacket && codebooks_whole(setup);
}

}  // namespace plat
