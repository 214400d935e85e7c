// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian numbers, variable-length counts and strings, in and out of a byte string; the
// reader never reads past the end (it notes that it ran short instead), so a damaged file can
// only be refused.
#pragma once

#include <cstdint>
#include <string>

class ByteWriter {
  public:
    void u8(uint32_t v) { out_.push_back(static_cast<char>(v & 0xff)); }
    void u16(uint32_t v) { fixed(v, 2); }
    void u32(uint32_t v) { fixed(v, 4); }
    void u64(uint64_t v) { fixed(v, 8); }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    // Seven bits a byte, the high bit set on every byte but the last.
    void varint(uint64_t v) {
        while (v >= 0x80) {
            u8(static_cast<uint32_t>(v & 0x7f) | 0x80);
            v >>= 7;
        }
        u8(static_cast<uint32_t>(v));
    }
    // Small numbers of either sign in few bytes.
    void zigzag(int32_t v) {
        varint((static_cast<uint32_t>(v) << 1) ^ static_cast<uint32_t>(v >> 31));
    }
    void text(const std::string& s) {
        varint(s.size());
        out_ += s;
    }
    void bytes(const std::string& s) { out_ += s; }
    std::string& out() { return out_; }

  private:
    void fixed(uint64_t v, int n) {
        for (int i = 0; i < n; ++i) u8(static_cast<uint32_t>(v >> (8 * i)));
    }
    std::string out_;
};

class ByteReader {
  public:
    ByteReader(const std::string& bytes, size_t begin, size_t end)
        : s_(bytes), at_(begin), end_(end) {}
    uint32_t u8() {
        if (at_ >= end_) {
            short_ = true;
            return 0;
        }
        return static_cast<unsigned char>(s_[at_++]);
    }
    uint32_t u16() { return static_cast<uint32_t>(fixed(2)); }
    uint32_t u32() { return static_cast<uint32_t>(fixed(4)); }
    uint64_t u64() { return fixed(8); }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    uint64_t varint() {
        uint64_t v = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const uint32_t b = u8();
            v |= static_cast<uint64_t>(b & 0x7f) << shift;
            if ((b & 0x80) == 0) return v;
        }
        short_ = true;  // longer than any number written
        return 0;
    }
    int32_t zigzag() {
        const auto v = static_cast<uint32_t>(varint());
        return static_cast<int32_t>((v >> 1) ^ (~(v & 1) + 1));
    }
    std::string text() {
        const uint64_t n = varint();
        if (n > end_ - at_) {
            short_ = true;
            at_ = end_;
            return {};
        }
        std::string t = s_.substr(at_, n);
        at_ += n;
        return t;
    }
    bool ran_short() const { return short_; }
    bool at_end() const { return at_ >= end_; }
    size_t position() const { return at_; }

  private:
    uint64_t fixed(int n) {
        uint64_t v = 0;
        for (int i = 0; i < n; ++i) v |= static_cast<uint64_t>(u8()) << (8 * i);
        return v;
    }
    const std::string& s_;
    size_t at_;
    size_t end_;
    bool short_ = false;
};

// CRC-32 (the polynomial of zip and PNG) of bytes [begin, end).
uint32_t crc32_of(const std::string& bytes, size_t begin, size_t end);
