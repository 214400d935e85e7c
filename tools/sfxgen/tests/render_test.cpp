// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering, levelling, encoding and the file checks: what is heard follows the parameters,
// the bytes are reproducible, the music loop has no seam, and the checks catch bad files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "effect.hpp"
#include "levels.hpp"
#include "music.hpp"
#include "score.hpp"
#include "sound_check.hpp"
#include "vorbis_io.hpp"

using namespace sfxgen;

namespace {

Effect parsed_effect(const std::string& text) {
    return parse_effect(parse_key_value(text, "t/e.sfx"));
}

int zero_crossings(const std::vector<float>& s, std::size_t from, std::size_t to) {
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i) n += (s[i - 1] < 0.0f) != (s[i] < 0.0f);
    return n;
}

Pcm mono(std::vector<float> s) {
    Pcm p;
    p.samples = std::move(s);
    return p;
}

}  // namespace

TEST(EffectRender, FollowsEnvelopeAndPitchAndIsRepeatable) {
    const Effect e =
        parsed_effect("[layer]\nwave = sine\nfreq = 200\nslide = 2\nsustain = 0.5\ndecay = 0.5\n");
    const auto a = render_effect(e);
    EXPECT_EQ(a, render_effect(e));
    EXPECT_NEAR(static_cast<double>(a.size()) / kSampleRate, 1.0, 0.001);
    // Two octaves up over the second: the last tenth crosses zero far more often than the first.
    const int early = zero_crossings(a, 0, 4410);
    const int late = zero_crossings(a, 39690, 44100);
    EXPECT_NEAR(early, 2 * 21, 6);
    EXPECT_GT(late, 3 * early);
    EXPECT_LT(std::abs(a.back()), 0.01f);
    EXPECT_GT(*std::max_element(a.begin(), a.end()), 0.9f);
}

TEST(EffectRender, NoiseDependsOnSeedOnly) {
    const char* text = "[layer]\nwave = noise\nfreq = 3000\nsustain = 0.1\ndecay = 0\n";
    const auto a = render_effect(parsed_effect(text));
    EXPECT_EQ(a, render_effect(parsed_effect(text)));
    EXPECT_NE(a, render_effect(parsed_effect(std::string("seed = 7\n") + text)));
}

TEST(Levels, MeasuresAndFitsUnderTheCeiling) {
    std::vector<float> square(44100);
    for (std::size_t i = 0; i < square.size(); ++i) square[i] = (i / 50) % 2 ? 0.5f : -0.5f;
    const Levels lv = measure(mono(square));
    EXPECT_NEAR(lv.peak_db, -6.02, 0.01);
    EXPECT_NEAR(lv.rms_db, -6.02, 0.01);
    EXPECT_NEAR(lv.loud_db, -6.02, 0.01);
    // Asking for 0 dB RMS of a square would put its peak at 0 dB: the ceiling wins.
    EXPECT_NEAR(to_db(fitting_gain(lv, true, 0.0, -1.5)), 4.52, 0.01);
    EXPECT_NEAR(to_db(fitting_gain(lv, false, -12.0, -1.5)), -5.98, 0.01);
}

TEST(Vorbis, SameBytesEveryTimeAndExactLength) {
    Pcm pcm = mono(render_effect(
        parsed_effect("[layer]\nwave = square\nfreq = 440\nsustain = 0.2\ndecay = 0.1\n")));
    apply_gain(pcm, 0.5);
    const auto a = encode_ogg(pcm, 0.4f, "t");
    EXPECT_EQ(a, encode_ogg(pcm, 0.4f, "t"));
    const Pcm back = decode_ogg(a, "t");
    EXPECT_EQ(back.frames(), pcm.frames());
    EXPECT_EQ(back.rate, 44100);
    EXPECT_NEAR(measure(back).rms_db, measure(pcm).rms_db, 0.5);
    std::vector<unsigned char> broken(a.begin(), a.begin() + 40);
    EXPECT_THROW(decode_ogg(broken, "t"), std::runtime_error);
}

TEST(Music, NotesRunningPastTheEndWrapToTheStart) {
    // The last note is held into the loop's end and its release sounds at the start again.
    const Song s = parse_score(
        "tempo 120\ninstrument a wave=triangle release=0.2 echo=0.3 echo_steps=2\n"
        "channel c a\npattern p\n . . . . . . . A3 - -\nend\nsection s\n c p\nend\norder s\n",
        "m.score");
    const Pcm pcm = render_song(s);
    ASSERT_EQ(pcm.frames(), 10 * s.samples_per_step());
    EXPECT_EQ(pcm.channels, 2);
    EXPECT_GT(std::abs(pcm.samples[2 * 200]), 0.01f);  // release heard just after the start
    const SeamSteps st = seam_steps(pcm);
    EXPECT_LE(st.seam, st.inside);
    EXPECT_LT(st.seam, 0.05);
}

TEST(Music, DrumHitsComeFromEffectFiles) {
    const auto dir = std::filesystem::temp_directory_path() / "sfxgen_drum_test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "k.sfx") << "[layer]\nwave = sine\nfreq = 60\nsustain = 0\ndecay = 0.05\n";
    std::ofstream(dir / "m.score")
        << "instrument kit wave=drums volume=1\ndrum kit k k.sfx volume=0.5\nchannel d kit\n"
           "pattern p\n k . . .\nend\nsection s\n d p\nend\norder s\n";
    const Song s = load_score((dir / "m.score").string());
    const Pcm pcm = render_song(s);
    float peak = 0.0f;
    for (float v : pcm.samples) peak = std::max(peak, std::abs(v));
    EXPECT_NEAR(peak, 0.5f, 0.05f);  // equal-power pan at the centre keeps the hit's level
    std::ofstream(dir / "m.score") << "instrument kit wave=drums\ndrum kit k k.sfx\nchannel d kit\n"
                                      "pattern p\n kx\nend\nsection s\n d p\nend\norder s\n";
    EXPECT_THROW(load_score((dir / "m.score").string()), SourceError);
    std::filesystem::remove_all(dir);
}

TEST(FileCheck, FlagsClippingLengthAndSeams) {
    const Expectation effect{"e", 0.05, 2.5, false};
    std::vector<float> tone(4410);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.5f * static_cast<float>(std::sin(i * 0.05) * (1.0 - double(i) / tone.size()));
    EXPECT_TRUE(check_pcm(effect, mono(tone)).empty());
    auto loud = tone;
    loud[100] = 0.95f;
    EXPECT_EQ(check_pcm(effect, mono(loud)).size(), 1u);
    EXPECT_EQ(check_pcm(effect, mono(std::vector<float>(tone.begin(), tone.begin() + 1000))).size(),
              2u);  // too short and ends loud
    const Expectation loop{"m", 0.05, 2.5, true};
    std::vector<float> ramp(4410);
    for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = 0.5f * float(i) / ramp.size();
    const auto problems = check_pcm(loop, mono(ramp));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("seam"), std::string::npos);
    EXPECT_EQ(expected_sounds().size(), 26u);
}
