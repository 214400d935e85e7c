// SPDX-License-Identifier: GPL-3.0-or-later
// The 26 committed sound files: each decodes as 44.1 kHz Vorbis, lasts as long as its event
// allows, stays below -1 dBFS, and the music loop joins its last sample to its first smoothly.
// Needs libvorbisfile; the data folder comes from VARNOTH_DATA_DIR (default "data").
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#ifndef VARNOTH_DATA_DIR
#define VARNOTH_DATA_DIR "data"
#endif

namespace {

struct Decoded {
    bool ok = false;
    int channels = 0;
    long rate = 0;
    std::vector<float> samples;  // interleaved

    std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
};

Decoded decode(const std::string& path) {
    Decoded d;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return d;
    const vorbis_info* info = ov_info(&vf, -1);
    d.channels = info->channels;
    d.rate = info->rate;
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n < 0) {
            ov_clear(&vf);
            return d;
        }
        if (n == 0) break;
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < d.channels; ++c) d.samples.push_back(pcm[c][i]);
    }
    ov_clear(&vf);
    d.ok = true;
    return d;
}

double peak_dbfs(const Decoded& d) {
    float peak = 0.0f;
    for (float s : d.samples) peak = std::max(peak, std::abs(s));
    return peak > 0.0f ? 20.0 * std::log10(peak) : -200.0;
}

const char* const kEffects[] = {"boing",    "jump",      "magic",     "bonk",      "bash",
                                "powerup",  "popout",    "runestone", "extralife", "invincible",
                                "hidden",   "fireball",  "bonus",     "wiskin",    "splash",
                                "jdeath1",  "jdeath2",   "witch",     "edeath",    "splat",
                                "powerdwn", "scorpshot", "cannon",    "hbthrow",   "efireball"};

std::string path_of(const std::string& name) {
    return std::string(VARNOTH_DATA_DIR) + "/" + name + ".ogg";
}

}  // namespace

TEST(SoundFiles, EffectsDecodeFitTheirEventsAndDoNotClip) {
    for (const char* name : kEffects) {
        SCOPED_TRACE(name);
        const Decoded d = decode(path_of(name));
        ASSERT_TRUE(d.ok) << "cannot decode " << path_of(name);
        EXPECT_EQ(d.rate, 44100);
        EXPECT_TRUE(d.channels == 1 || d.channels == 2);
        const double secs = static_cast<double>(d.frames()) / 44100.0;
        EXPECT_GE(secs, 0.05);
        EXPECT_LE(secs, 2.5);
        if (std::string(name) == "boing") {  // plays on every bounce
            EXPECT_LE(secs, 0.3);
        }
        if (std::string(name) == "witch") {  // covers the 100-frame laugh
            EXPECT_GE(secs, 1.4);
            EXPECT_LE(secs, 2.1);
        }
        EXPECT_LE(peak_dbfs(d), -1.0);
        EXPECT_GT(peak_dbfs(d), -40.0);  // not silent
    }
}

TEST(SoundFiles, MusicIsALoopWithoutASeam) {
    const Decoded d = decode(path_of("tilesong"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.rate, 44100);
    const std::size_t frames = d.frames();
    const double secs = static_cast<double>(frames) / 44100.0;
    EXPECT_GE(secs, 60.0);
    EXPECT_LE(secs, 120.0);
    EXPECT_LE(peak_dbfs(d), -1.0);
    const auto ch = static_cast<std::size_t>(d.channels);
    for (std::size_t c = 0; c < ch; ++c) {
        double inside = 0.0;
        for (std::size_t f = 1; f < frames; ++f)
            inside = std::max(
                inside, std::abs(double(d.samples[f * ch + c]) - d.samples[(f - 1) * ch + c]));
        const double seam = std::abs(double(d.samples[c]) - d.samples[(frames - 1) * ch + c]);
        EXPECT_LE(seam, inside) << "channel " << c;
    }
}
