// SPDX-License-Identifier: GPL-3.0-or-later
// Every record here holds 4-byte numbers only, so their bytes have no padding and the same
// state gives the same bytes on every machine the game runs on (all little-endian).
#include "replay/game_state_bytes.h"

#include <cstring>
#include <type_traits>
#include <utility>

#include "replay/byte_io.h"
#include "shell/globals.h"

namespace {

template <typename T>
constexpr bool plain_words() {
    return std::is_trivially_copyable_v<T> && sizeof(T) % 4 == 0;
}
static_assert(plain_words<player_tag>() && plain_words<monster_tag>() && plain_words<map_tag>() &&
              plain_words<specialitem_tag>() && plain_words<elevator_tag>() &&
              plain_words<fireball_tag>());

// FNV-1a over 32-bit words, folded to 32 bits at the end.
class Hash {
  public:
    void word(uint32_t w) {
        h_ ^= w;
        h_ *= 0x100000001b3ull;
    }
    void number(float f) {
        uint32_t w = 0;
        std::memcpy(&w, &f, sizeof w);
        word(w);
    }
    void number(int i) { word(static_cast<uint32_t>(i)); }
    template <typename T>
    void record(const T& r) {
        uint32_t w[sizeof(T) / 4];
        std::memcpy(w, &r, sizeof(T));
        for (uint32_t x : w) word(x);
    }
    void text(const std::string& s) {
        word(static_cast<uint32_t>(s.size()));
        for (char c : s) word(static_cast<unsigned char>(c));
    }
    uint32_t value() const { return static_cast<uint32_t>(h_ ^ (h_ >> 32)); }

  private:
    uint64_t h_ = 0xcbf29ce484222325ull;
};

// The game record's numbers that decide play, in their order; the sound switches (sound,
// music, soundset) and the top score are left out.
template <typename Visit>
void game_numbers(game_tag& g, Visit&& visit) {
    for (int* n : {&g.state,       &g.players,        &g.curplayer,  &g.jump,    &g.tracertmr,
                   &g.invincible,  &g.fbflashstp,     &g.fbflashctr, &g.turbo,   &g.onplatform,
                   &g.cauldx,      &g.cauldy,         &g.cauldfc,    &g.cauldft, &g.curdir,
                   &g.fbshoot,     &g.cpflasher,      &g.tovodeath,  &g.wlaugh,  &g.savesc,
                   &g.item,        &g.wltimer,        &g.scmx,       &g.scmy,    &g.scmys,
                   &g.fireballtmr, &g.fireballmaxtmr, &g.autoturbo})
        visit(*n);
}

}  // namespace

uint32_t play_state_checksum() {
    Hash h;
    game_numbers(game, [&](int& n) { h.number(n); });
    h.text(game.setpoint);
    for (const player_tag& p : player) h.record(p);
    h.record(fireball);
    for (const map_tag& m : map_cells) h.record(m);
    h.number(monster_list.Count());
    std::as_const(monster_list).ForEach([&](const monster_tag& m) { h.record(m); });
    h.number(specialitem_list.Count());
    std::as_const(specialitem_list).ForEach([&](const specialitem_tag& s) { h.record(s); });
    h.number(elevator_list.Count());
    std::as_const(elevator_list).ForEach([&](const elevator_tag& e) { h.record(e); });
    h.number(specialfx_list.Count());
    std::as_const(specialfx_list).ForEach([&](const specialfx_tag& f) {
        for (float v : {f.x, f.y, f.xstp, f.ystp, f.astp, f.xscale, f.yscale, f.alpha}) h.number(v);
        for (int v : {f.rstp, f.rotation, f.typ, f.clr, f.frametmr, f.framectr}) h.number(v);
        h.text(f.point);
    });
    h.number(static_cast<int>(RndState()));
    return h.value();
}

namespace {
constexpr uint32_t kStartRecordsMark = 0x31545356;  // "VST1"

template <typename T>
void put_record(ByteWriter& w, const T& r) {
    std::string bytes(sizeof(T), '\0');
    std::memcpy(bytes.data(), &r, sizeof(T));
    w.bytes(bytes);
}

template <typename T>
bool take_record(ByteReader& r, T& out) {
    char bytes[sizeof(T)];
    for (char& b : bytes) b = static_cast<char>(r.u8());
    if (r.ran_short()) return false;
    std::memcpy(&out, bytes, sizeof(T));
    return true;
}

float take_float(ByteReader& r) {
    const uint32_t w = r.u32();
    float f = 0;
    std::memcpy(&f, &w, sizeof f);
    return f;
}

void put_float(ByteWriter& w, float f) {
    uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    w.u32(bits);
}
}  // namespace

std::string start_records() {
    ByteWriter w;
    w.u32(kStartRecordsMark);
    game_numbers(game, [&](int& n) { w.i32(n); });
    w.text(game.setpoint);
    for (const player_tag& p : player) put_record(w, p);
    put_record(w, fireball);
    w.i32(demo_pos);
    w.i32(demo_next);
    for (float t : {joy_left_threshold, joy_right_threshold, joy_up_threshold, joy_down_threshold})
        put_float(w, t);
    return w.out();
}

bool restore_start_records(const std::string& bytes) {
    ByteReader r(bytes, 0, bytes.size());
    if (r.u32() != kStartRecordsMark) return false;
    game_tag g = game;
    game_numbers(g, [&](int& n) { n = r.i32(); });
    g.setpoint = r.text();
    player_tag p[2];
    fireball_tag f;
    if (!take_record(r, p[0]) || !take_record(r, p[1]) || !take_record(r, f)) return false;
    const int pos = r.i32();
    const int next = r.i32();
    float t[4];
    for (float& v : t) v = take_float(r);
    if (r.ran_short() || !r.at_end()) return false;
    game = g;
    player[0] = p[0];
    player[1] = p[1];
    fireball = f;
    demo_pos = pos;
    demo_next = next;
    joy_left_threshold = t[0];
    joy_right_threshold = t[1];
    joy_up_threshold = t[2];
    joy_down_threshold = t[3];
    return true;
}
