// SPDX-License-Identifier: GPL-3.0-or-later
// Level measurement and fitting. The loudest-window RMS is what the ear compares between
// short effects; a long quiet tail would otherwise make a sound look softer than it is.
#include "levels.hpp"

#include <algorithm>
#include <cmath>

namespace sfxgen {

double to_db(double linear) {
    return linear > 1e-10 ? 20.0 * std::log10(linear) : -200.0;
}
double from_db(double db) {
    return std::pow(10.0, db / 20.0);
}

Levels measure(const Pcm& pcm) {
    Levels lv;
    const std::size_t frames = pcm.frames();
    if (frames == 0) return lv;
    const auto ch = static_cast<std::size_t>(pcm.channels);
    double peak = 0.0, total = 0.0;
    std::vector<double> frame_power(frames, 0.0);
    for (std::size_t f = 0; f < frames; ++f) {
        for (std::size_t c = 0; c < ch; ++c) {
            const double s = pcm.samples[f * ch + c];
            peak = std::max(peak, std::abs(s));
            frame_power[f] += s * s;
        }
        frame_power[f] /= static_cast<double>(ch);
        total += frame_power[f];
    }
    lv.peak_db = to_db(peak);
    lv.rms_db = to_db(std::sqrt(total / static_cast<double>(frames)));
    const std::size_t window = std::min<std::size_t>(frames, pcm.rate / 10);
    double sum = 0.0, best = 0.0;
    for (std::size_t f = 0; f < frames; ++f) {
        sum += frame_power[f];
        if (f >= window) sum -= frame_power[f - window];
        if (f + 1 >= window) best = std::max(best, sum);
    }
    lv.loud_db = to_db(std::sqrt(std::max(best, 0.0) / static_cast<double>(window)));
    return lv;
}

void apply_gain(Pcm& pcm, double linear) {
    for (float& s : pcm.samples) s = static_cast<float>(s * linear);
}

double fitting_gain(const Levels& levels, bool whole_rms, double target_db, double ceiling_db) {
    const double measured = whole_rms ? levels.rms_db : levels.loud_db;
    const double gain_db = std::min(target_db - measured, ceiling_db - levels.peak_db);
    return from_db(gain_db);
}

void soft_limit(Pcm& pcm, double ceiling_db) {
    const double c = from_db(ceiling_db);
    const double knee = 0.5 * c;
    for (float& s : pcm.samples) {
        const double a = std::abs(s);
        if (a <= knee) continue;
        const double shaped = knee + (c - knee) * std::tanh((a - knee) / (c - knee));
        s = static_cast<float>(s < 0.0f ? -shaped : shaped);
    }
}

SeamSteps seam_steps(const Pcm& pcm) {
    SeamSteps st;
    const std::size_t frames = pcm.frames();
    const auto ch = static_cast<std::size_t>(pcm.channels);
    if (frames < 2) return st;
    for (std::size_t c = 0; c < ch; ++c) {
        for (std::size_t f = 1; f < frames; ++f)
            st.inside = std::max(st.inside, std::abs(double(pcm.samples[f * ch + c]) -
                                                     pcm.samples[(f - 1) * ch + c]));
        st.seam = std::max(st.seam,
                           std::abs(double(pcm.samples[c]) - pcm.samples[(frames - 1) * ch + c]));
    }
    return st;
}

}  // namespace sfxgen
