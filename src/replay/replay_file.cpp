// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_file.h"

#include <algorithm>
#include <cstdio>

#include "platform/platform.h"
#include "replay/byte_io.h"
#include "replay/input_reads.h"
#include "replay/walkthrough_replay.h"

namespace {

constexpr char kMagic[] = "VRPL";
// magic, format, oldest readable, the file's length, the header's length
constexpr size_t kLeadBytes = 4 + 2 + 2 + 4 + 4;
constexpr size_t kCrcBytes = 4;

void write_header(ByteWriter& w, const ReplayRecord& r) {
    w.text(r.game_version);
    w.u16(static_cast<uint32_t>(r.rules));
    w.u64(r.maps_hash);
    w.text(r.pack_id);
    w.u64(static_cast<uint64_t>(r.date));
    w.u8(static_cast<uint32_t>(r.players));
    w.u8(static_cast<uint32_t>(r.start_level));
    w.u8(static_cast<uint32_t>(r.start_area));
    w.u8(static_cast<uint32_t>(r.reached_level));
    w.u8(static_cast<uint32_t>(r.reached_area));
    w.u8(r.from_menu ? 1 : 0);
    w.i32(r.scores[0]);
    w.i32(r.scores[1]);
    w.u8(r.new_top_score ? 1 : 0);
    w.i32(r.top_score_at_start);
    w.i32(r.assist.speed);
    w.u8((r.assist.invincible ? 1u : 0u) | (r.assist.unlimited_lives ? 2u : 0u));
    w.u32(static_cast<uint32_t>(r.frames));
    w.i32(r.random_state);
    w.varint(r.area_starts.size());
    int before = 0;
    for (int at : r.area_starts) {
        w.varint(static_cast<uint64_t>(at - before));
        before = at;
    }
}

// False when the area marks do not fit the frames (the rest is checked by the caller).
bool read_header(ByteReader& h, ReplayRecord& r) {
    r.game_version = h.text();
    r.rules = static_cast<int>(h.u16());
    r.maps_hash = h.u64();
    r.pack_id = h.text();
    r.date = static_cast<int64_t>(h.u64());
    r.players = static_cast<int>(h.u8());
    r.start_level = static_cast<int>(h.u8());
    r.start_area = static_cast<int>(h.u8());
    r.reached_level = static_cast<int>(h.u8());
    r.reached_area = static_cast<int>(h.u8());
    r.from_menu = h.u8() != 0;
    r.scores[0] = h.i32();
    r.scores[1] = h.i32();
    r.new_top_score = h.u8() != 0;
    r.top_score_at_start = h.i32();
    r.assist.speed = h.i32();
    const uint32_t assist = h.u8();
    r.assist.invincible = (assist & 1) != 0;
    r.assist.unlimited_lives = (assist & 2) != 0;
    r.frames = static_cast<int>(h.u32());
    r.random_state = h.i32();
    r.area_starts.clear();
    if (r.format < 2) return true;
    // Each after the one before, none beyond the last frame.
    const uint64_t count = h.varint();
    if (count > static_cast<uint64_t>(r.frames) + 1) return false;
    int64_t at = 0;
    for (uint64_t i = 0; i < count && !h.ran_short(); ++i) {
        const uint64_t step = h.varint();
        at += static_cast<int64_t>(std::min<uint64_t>(step, 1u << 31));
        if ((i > 0 && step == 0) || at > r.frames) return false;
        r.area_starts.push_back(static_cast<int>(at));
    }
    return true;
}

}  // namespace

std::string encode_replay(const ReplayRecord& r) {
    ByteWriter header;
    write_header(header, r);
    ByteWriter body;
    body.text(r.start_records);
    body.text(r.input);
    body.varint(r.checksums.size());
    for (uint32_t c : r.checksums) body.u32(c);

    ByteWriter w;
    w.bytes(kMagic);
    w.u16(kReplayFormat);
    w.u16(kReplayOldestReadable);
    const size_t total = kLeadBytes + header.out().size() + body.out().size() + kCrcBytes;
    w.u32(static_cast<uint32_t>(total));
    w.u32(static_cast<uint32_t>(header.out().size()));
    w.bytes(header.out());
    w.bytes(body.out());
    w.u32(crc32_of(w.out(), 0, w.out().size()));
    return w.out();
}

bool decode_replay(const std::string& bytes, ReplayRecord& r, std::string& why) {
    const std::string magic(kMagic);
    if (bytes.compare(0, magic.size(), magic, 0, std::min(bytes.size(), magic.size())) != 0) {
        why = "not a replay (it does not begin with VRPL)";
        return false;
    }
    if (bytes.size() < kLeadBytes + kCrcBytes) {
        why = "cut short";
        return false;
    }
    ByteReader lead(bytes, 4, kLeadBytes);
    r.format = static_cast<int>(lead.u16());
    r.oldest_readable = static_cast<int>(lead.u16());
    const uint32_t total = lead.u32();
    const uint32_t header_size = lead.u32();
    if (bytes.size() < total) {
        why = "cut short";
        return false;
    }
    const size_t crc_at = bytes.size() - kCrcBytes;
    ByteReader tail(bytes, crc_at, bytes.size());
    if (bytes.size() > total || tail.u32() != crc32_of(bytes, 0, crc_at) ||
        header_size > crc_at - kLeadBytes) {
        why = "damaged (its checksum does not match)";
        return false;
    }
    if (r.oldest_readable > kReplayFormat) {
        char line[120];
        std::snprintf(line, sizeof line,
                      "made by a newer version of the game (format %d; this game reads up to %d)",
                      r.format, kReplayFormat);
        why = line;
        return false;
    }
    // A newer format that can still be read as this one may have more in its header.
    ByteReader h(bytes, kLeadBytes, kLeadBytes + header_size);
    const bool marks_fit = read_header(h, r);
    ByteReader body(bytes, kLeadBytes + header_size, crc_at);
    r.start_records = body.text();
    r.input = body.text();
    const uint64_t checks = body.varint();
    const uint64_t expected = static_cast<uint64_t>(r.frames) / kStateChecksumFrames + 1;
    if (h.ran_short() || body.ran_short() || checks != expected || r.players < 1 || r.players > 2 ||
        !marks_fit) {
        why = "damaged (its parts do not fit together)";
        return false;
    }
    r.checksums.clear();
    for (uint64_t i = 0; i < checks; ++i) r.checksums.push_back(body.u32());
    if (body.ran_short() || !body.at_end() || !input_reads_whole(r.input)) {
        why = "damaged (its parts do not fit together)";
        return false;
    }
    if (r.rules != kReplayRulesVersion) {
        char line[120];
        std::snprintf(line, sizeof line,
                      "recorded under other rules (rules %d; this game plays rules %d)", r.rules,
                      kReplayRulesVersion);
        why = line;
        return false;
    }
    return true;
}

bool begins_as_replay(const std::string& bytes) {
    return bytes.compare(0, sizeof kMagic - 1, kMagic) == 0;
}

bool read_replay_file(const std::string& path, ReplayRecord& r, std::string& why) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        why = "cannot be read";
        return false;
    }
    if (is_walkthrough_text(bytes)) return decode_walkthrough(bytes, r, why);
    return decode_replay(bytes, r, why);
}

std::string replay_areas_text(const ReplayRecord& r) {
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d to %d.%d", r.start_level, r.start_area, r.reached_level,
                  r.reached_area);
    return text;
}
