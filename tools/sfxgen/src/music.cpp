// SPDX-License-Identifier: GPL-3.0-or-later
// Music rendering: one mono buffer per channel (notes with ADSR, vibrato and chip arpeggios,
// or drum hits rendered from effect files), a circular echo, then equal-power panning.
#include "music.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sfxgen {

namespace {

double midi_hz(int note) {
    return 440.0 * std::exp2((note - 69) / 12.0);
}

struct NoteEvent {
    std::size_t start = 0;  // step
    std::size_t steps = 0;
    std::vector<int> notes;
};

std::vector<NoteEvent> note_events(const std::vector<Step>& timeline) {
    std::vector<NoteEvent> events;
    bool open = false;
    for (std::size_t i = 0; i < timeline.size(); ++i) {
        const Step& s = timeline[i];
        if (s.kind == Step::Kind::Notes) {
            events.push_back({i, 1, s.notes});
            open = true;
        } else if (s.kind == Step::Kind::Hold && open) {
            ++events.back().steps;
        } else {
            open = false;
        }
    }
    return events;
}

void render_note(const Instrument& ins, const NoteEvent& ev, std::size_t sps,
                 std::vector<float>& buf) {
    Oscillator osc(ins.wave, 1 + ev.start);
    const std::size_t on = ev.steps * sps;
    const auto release = static_cast<std::size_t>(ins.release * kSampleRate);
    const std::size_t n = buf.size();
    const std::size_t begin = ev.start * sps;
    double level = 0.0;
    for (std::size_t i = 0; i < on + release; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        if (i < on) {
            level = t < ins.attack ? t / ins.attack
                                   : ins.sustain + (1.0 - ins.sustain) *
                                                       std::exp(-(t - ins.attack) / ins.decay);
        }
        const double env =
            i < on ? level
                   : level * (1.0 - static_cast<double>(i - on) / static_cast<double>(release));
        const auto idx = static_cast<std::size_t>(t / ins.arp_step) % ev.notes.size();
        const double vib_fade = std::clamp((t - ins.vibrato_delay) / 0.15, 0.0, 1.0);
        const double vib =
            ins.vibrato_depth * vib_fade * std::sin(2.0 * std::numbers::pi * ins.vibrato_rate * t);
        const double f = midi_hz(ev.notes[idx]) * std::exp2(vib / 12.0);
        buf[(begin + i) % n] += static_cast<float>(ins.volume * env * osc.next(f, ins.duty));
    }
}

void render_drums(const Instrument& ins, const Channel& ch, std::size_t sps,
                  std::vector<float>& buf) {
    std::map<char, std::vector<float>> sounds;
    for (const auto& [letter, hit] : ins.kit) sounds[letter] = render_effect(hit.effect);
    const std::size_t n = buf.size();
    for (std::size_t step = 0; step < ch.timeline.size(); ++step) {
        if (ch.timeline[step].kind != Step::Kind::Hits) continue;
        for (char letter : ch.timeline[step].hits) {
            const auto& snd = sounds.at(letter);
            const double gain = ins.volume * ins.kit.at(letter).volume;
            for (std::size_t i = 0; i < snd.size(); ++i)
                buf[(step * sps + i) % n] += static_cast<float>(gain * snd[i]);
        }
    }
}

// Feedback echo run twice round the loop, so the second pass starts with the echoes that
// the end of the loop leaves behind.
void circular_echo(std::vector<float>& buf, double feedback, std::size_t delay) {
    if (feedback <= 0.0 || delay >= buf.size()) return;
    const std::vector<float> dry = buf;
    const std::size_t n = buf.size();
    std::vector<float> wet(n, 0.0f);
    for (std::size_t k = 0; k < 2 * n; ++k) {
        const std::size_t i = k % n;
        const float back = k >= delay ? wet[(k - delay) % n] : 0.0f;
        wet[i] = dry[i] + static_cast<float>(feedback) * back;
    }
    buf = wet;
}

}  // namespace

Pcm render_song(const Song& song) {
    const std::size_t sps = song.samples_per_step();
    const std::size_t frames = song.steps() * sps;
    Pcm pcm;
    pcm.channels = 2;
    pcm.rate = kSampleRate;
    pcm.samples.assign(frames * 2, 0.0f);
    for (const Channel& ch : song.channels) {
        const Instrument& ins = song.instruments[ch.instrument];
        std::vector<float> buf(frames, 0.0f);
        if (ins.drums)
            render_drums(ins, ch, sps, buf);
        else
            for (const NoteEvent& ev : note_events(ch.timeline)) render_note(ins, ev, sps, buf);
        circular_echo(buf, ins.echo, static_cast<std::size_t>(ins.echo_steps) * sps);
        const double angle = (ins.pan + 1.0) * std::numbers::pi / 4.0;
        const auto left = static_cast<float>(std::cos(angle) * std::numbers::sqrt2);
        const auto right = static_cast<float>(std::sin(angle) * std::numbers::sqrt2);
        for (std::size_t i = 0; i < frames; ++i) {
            pcm.samples[2 * i] += left * buf[i];
            pcm.samples[2 * i + 1] += right * buf[i];
        }
    }
    return pcm;
}

}  // namespace sfxgen
