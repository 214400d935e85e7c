// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and rendering of effect files. Times are seconds, pitches Hz and semitones, slides
// octaves per second, so the files read like the panels of the old generators.
#include "effect.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>

namespace sfxgen {

namespace {

Layer parse_layer(SectionReader& r) {
    Layer l;
    l.wave =
        wave_from_name(r.word("wave", "square", {"square", "saw", "triangle", "sine", "noise"}));
    l.delay = r.number("delay", 0.0, 0.0, 2.5);
    l.gain = r.number("gain", 1.0, 0.0, 4.0);
    l.attack = r.number("attack", 0.0, 0.0, 2.5);
    l.sustain = r.number("sustain", 0.1, 0.0, 2.5);
    l.decay = r.number("decay", 0.2, 0.0, 2.5);
    l.punch = r.number("punch", 0.0, 0.0, 2.0);
    l.decay_shape = r.number("decay_shape", 1.0, 0.25, 8.0);
    l.freq = r.number("freq", 440.0, 10.0, 20000.0);
    l.freq_min = r.number("freq_min", 20.0, 1.0, 20000.0);
    l.freq_max = r.number("freq_max", 20000.0, 1.0, 22000.0);
    l.slide = r.number("slide", 0.0, -40.0, 40.0);
    l.slide_accel = r.number("slide_accel", 0.0, -200.0, 200.0);
    l.vibrato_depth = r.number("vibrato_depth", 0.0, 0.0, 24.0);
    l.vibrato_rate = r.number("vibrato_rate", 0.0, 0.0, 200.0);
    l.arp = r.numbers("arp", -48.0, 48.0);
    l.arp_step = r.number("arp_step", 0.05, 0.005, 2.5);
    l.arp_loop = r.word("arp_loop", "no", {"yes", "no"}) == "yes";
    l.repeat = r.number("repeat", 0.0, 0.0, 2.5);
    l.duty = r.number("duty", 0.5, 0.02, 0.98);
    l.duty_slide = r.number("duty_slide", 0.0, -10.0, 10.0);
    l.noise = r.number("noise", 0.0, 0.0, 1.0);
    l.tremolo_depth = r.number("tremolo_depth", 0.0, 0.0, 1.0);
    l.tremolo_rate = r.number("tremolo_rate", 0.0, 0.0, 200.0);
    l.lowpass = r.number("lowpass", 0.0, 0.0, 22000.0);
    l.lowpass_slide = r.number("lowpass_slide", 0.0, -40.0, 40.0);
    l.resonance = r.number("resonance", 0.0, 0.0, 0.97);
    l.highpass = r.number("highpass", 0.0, 0.0, 22000.0);
    l.highpass_slide = r.number("highpass_slide", 0.0, -40.0, 40.0);
    return l;
}

double envelope(const Layer& l, double t) {
    if (t < l.attack) return t / l.attack;
    t -= l.attack;
    if (t < l.sustain) return 1.0 + l.punch * (1.0 - t / l.sustain);
    t -= l.sustain;
    if (t < l.decay) return std::pow(1.0 - t / l.decay, l.decay_shape);
    return 0.0;
}

double arp_semitones(const Layer& l, double t) {
    if (l.arp.empty()) return 0.0;
    auto idx = static_cast<std::size_t>(t / l.arp_step);
    idx = l.arp_loop ? idx % l.arp.size() : std::min(idx, l.arp.size() - 1);
    return l.arp[idx];
}

void render_layer(const Layer& l, std::uint64_t seed, std::vector<float>& out) {
    Oscillator osc(l.wave, seed);
    Rng white(seed ^ 0x5DEECE66Dull);
    LowPass lp;
    HighPass hp;
    const auto start = static_cast<std::size_t>(std::lround(l.delay * kSampleRate));
    const auto length =
        static_cast<std::size_t>(std::lround((l.end_time() - l.delay) * kSampleRate));
    const double two_pi = 2.0 * std::numbers::pi;
    for (std::size_t i = 0; i < length && start + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double tp = l.repeat > 0.0 ? std::fmod(t, l.repeat) : t;
        const double octaves =
            l.slide * tp + 0.5 * l.slide_accel * tp * tp +
            (arp_semitones(l, tp) + l.vibrato_depth * std::sin(two_pi * l.vibrato_rate * t)) / 12.0;
        const double f = std::clamp(l.freq * std::exp2(octaves), l.freq_min, l.freq_max);
        const double duty = std::clamp(l.duty + l.duty_slide * t, 0.02, 0.98);
        double s = osc.next(f, duty);
        if (l.noise > 0.0) s = s * (1.0 - l.noise) + l.noise * white.bipolar();
        if (l.lowpass > 0.0)
            s = lp.process(static_cast<float>(s), l.lowpass * std::exp2(l.lowpass_slide * t),
                           l.resonance);
        if (l.highpass > 0.0)
            s = hp.process(static_cast<float>(s), l.highpass * std::exp2(l.highpass_slide * t));
        const double trem =
            1.0 - l.tremolo_depth * 0.5 * (1.0 - std::cos(two_pi * l.tremolo_rate * t));
        out[start + i] += static_cast<float>(l.gain * envelope(l, t) * trem * s);
    }
}

}  // namespace

Effect parse_effect(const KeyValueFile& file) {
    Effect e;
    e.name = std::filesystem::path(file.path).stem().string();
    SectionReader top(file.path, file.sections.front());
    e.event = top.text("event", "");
    e.level_db = top.number("level_db", 0.0, -30.0, 6.0);
    e.seed = seed_from_name(e.name) ^ static_cast<std::uint64_t>(top.number("seed", 0, 0, 1e9));
    top.finish();
    for (std::size_t i = 1; i < file.sections.size(); ++i) {
        const Section& s = file.sections[i];
        if (s.name != "layer") fail_at(file.path, s.line, "unknown section [" + s.name + "]");
        SectionReader r(file.path, s);
        Layer l = parse_layer(r);
        r.finish();
        if (l.end_time() <= 0.0) fail_at(file.path, s.line, "layer has no duration");
        if (l.end_time() > 2.5) fail_at(file.path, s.line, "layer lasts beyond 2.5 seconds");
        e.layers.push_back(l);
    }
    if (e.layers.empty()) fail_at(file.path, 0, "no [layer] section");
    return e;
}

Effect load_effect(const std::string& path) {
    return parse_effect(load_key_value(path));
}

std::vector<float> render_effect(const Effect& effect) {
    double end = 0.0;
    for (const Layer& l : effect.layers) end = std::max(end, l.end_time());
    std::vector<float> out(static_cast<std::size_t>(std::lround(end * kSampleRate)) + 1, 0.0f);
    for (std::size_t i = 0; i < effect.layers.size(); ++i)
        render_layer(effect.layers[i], effect.seed + 0x9E3779B9ull * (i + 1), out);
    return out;
}

}  // namespace sfxgen
