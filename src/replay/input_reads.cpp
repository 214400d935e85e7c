// SPDX-License-Identifier: GPL-3.0-or-later
// A change is: the unchanged reads before it (a count), the source's slot (a new source is
// given in full the first time: the slot one past the last known, its kind and argument), and
// the value. A stick's axis reads as a float; where it is a whole step of 1/32767, as the
// devices give it, it is written as that step, else as its four bytes.
#include "replay/input_reads.h"

#include <cmath>
#include <cstring>

#include "platform/input_tap.h"
#include "replay/byte_io.h"

namespace {

uint32_t source_of(int kind, int argument) {
    return (static_cast<uint32_t>(kind & 0xff) << 16) | static_cast<uint32_t>(argument & 0xffff);
}

bool float_kind(uint32_t source) {
    const auto kind = static_cast<int>(source >> 16);
    return kind == static_cast<int>(TapRead::kJoyX) || kind == static_cast<int>(TapRead::kJoyY);
}

constexpr float kAxisStep = 32767.0f;

void write_value(ByteWriter& w, uint32_t source, int32_t value) {
    if (!float_kind(source)) {
        w.zigzag(value);
        return;
    }
    float f = 0;
    std::memcpy(&f, &value, sizeof f);
    const float steps = std::nearbyint(f * kAxisStep);
    if (std::fabs(steps) <= kAxisStep && steps / kAxisStep == f && std::signbit(f) == (steps < 0)) {
        const auto n = static_cast<int32_t>(steps);
        const uint32_t z = (static_cast<uint32_t>(n) << 1) ^ static_cast<uint32_t>(n >> 31);
        w.varint(static_cast<uint64_t>(z) << 1);
        return;
    }
    w.varint(1);
    w.u32(static_cast<uint32_t>(value));
}

int32_t read_value(ByteReader& r, uint32_t source) {
    if (!float_kind(source)) return r.zigzag();
    const uint64_t code = r.varint();
    if (code & 1) return static_cast<int32_t>(r.u32());
    const auto z = static_cast<uint32_t>(code >> 1);
    const auto steps = static_cast<int32_t>((z >> 1) ^ (~(z & 1) + 1));
    const float f = static_cast<float>(steps) / kAxisStep;
    int32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

}  // namespace

void InputReadWriter::read(int kind, int argument, int32_t value) {
    const uint32_t source = source_of(kind, argument);
    auto last = last_.find(source);
    const int32_t before = last == last_.end() ? 0 : last->second;
    if (before == value) {
        ++unchanged_;
        return;
    }
    last_[source] = value;
    ByteWriter w;
    w.varint(unchanged_);
    unchanged_ = 0;
    auto slot = slot_.find(source);
    if (slot == slot_.end()) {
        const auto fresh = static_cast<uint32_t>(slot_.size());
        slot_[source] = fresh;
        w.varint(fresh);
        w.u8(static_cast<uint32_t>(kind & 0xff));
        w.varint(static_cast<uint32_t>(argument & 0xffff));
    } else {
        w.varint(slot->second);
    }
    write_value(w, source, value);
    out_ += w.out();
}

void InputReadPlayer::next_change() {
    have_change_ = false;
    if (!bytes_ || at_ >= bytes_->size()) return;
    ByteReader r(*bytes_, at_, bytes_->size());
    unchanged_ = r.varint();
    const uint64_t slot = r.varint();
    if (slot == sources_.size()) {
        const uint32_t kind = r.u8();
        const auto argument = static_cast<uint32_t>(r.varint());
        sources_.push_back((kind << 16) | (argument & 0xffff));
    } else if (slot > sources_.size()) {
        damaged_ = true;
        return;
    }
    change_source_ = sources_[slot];
    change_value_ = read_value(r, change_source_);
    if (r.ran_short()) {
        damaged_ = true;
        return;
    }
    at_ = r.position();
    have_change_ = true;
}

int32_t InputReadPlayer::read(int kind, int argument) {
    if (scripted_) return script_.read(kind, argument);
    const uint32_t source = source_of(kind, argument);
    if (out_of_step_) return 0;
    if (have_change_ && unchanged_ == 0) {
        if (change_source_ != source) {
            out_of_step_ = true;
            return 0;
        }
        last_[source] = change_value_;
        next_change();
        return last_[source];
    }
    if (have_change_) --unchanged_;
    auto last = last_.find(source);
    return last == last_.end() ? 0 : last->second;
}

bool input_reads_whole(const std::string& bytes) {
    InputReadPlayer p(&bytes);
    return p.skip_to_end();
}

bool InputReadPlayer::skip_to_end() {
    while (have_change_) next_change();
    return !damaged_;
}
