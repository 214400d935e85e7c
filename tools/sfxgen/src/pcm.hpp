// SPDX-License-Identifier: GPL-3.0-or-later
// Interleaved float audio as the synthesizer hands it to the encoder and gets it back from
// the decoder.
#pragma once

#include <cstddef>
#include <vector>

namespace sfxgen {

struct Pcm {
    int channels = 1;
    int rate = 44100;
    std::vector<float> samples;  // interleaved, full scale +-1

    std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
    double seconds() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0.0; }
};

}  // namespace sfxgen
