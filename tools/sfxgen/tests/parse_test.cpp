// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing of effect files and scores: the values reach the synthesizer as written, and every
// kind of mistake is rejected with a message that names the file and the line.
#include <gtest/gtest.h>

#include <string>

#include "effect.hpp"
#include "keyvalue_file.hpp"
#include "score.hpp"

using namespace sfxgen;

namespace {

std::string error_of(auto&& fn) {
    try {
        fn();
    } catch (const SourceError& e) {
        return e.what();
    }
    return "no error";
}

Effect effect_from(const std::string& text) {
    return parse_effect(parse_key_value(text, "sounds/zap.sfx"));
}

}  // namespace

TEST(EffectFile, ReadsTopKeysAndLayers) {
    const Effect e = effect_from(
        "event = a zap\nlevel_db = -3\n[layer]\nwave = saw\nfreq = 880\nslide = -2.5\n"
        "arp = 0 7 12\n[layer]\nwave = noise\ndelay = 0.1 # late\nsustain = 0\ndecay = 0.2\n");
    EXPECT_EQ(e.name, "zap");
    EXPECT_EQ(e.event, "a zap");
    EXPECT_DOUBLE_EQ(e.level_db, -3.0);
    ASSERT_EQ(e.layers.size(), 2u);
    EXPECT_EQ(e.layers[0].wave, Wave::Saw);
    EXPECT_DOUBLE_EQ(e.layers[0].freq, 880.0);
    EXPECT_DOUBLE_EQ(e.layers[0].slide, -2.5);
    EXPECT_EQ(e.layers[0].arp, (std::vector<double>{0, 7, 12}));
    EXPECT_EQ(e.layers[1].wave, Wave::Noise);
    EXPECT_DOUBLE_EQ(e.layers[1].end_time(), 0.3);
}

TEST(EffectFile, RejectsMistakesWithFileAndLine) {
    EXPECT_EQ(error_of([] { effect_from("[layer]\nfreqq = 100\n"); }),
              "sounds/zap.sfx:2: unknown key 'freqq'");
    EXPECT_EQ(error_of([] { effect_from("[layer]\nfreq = 1e9\n"); }).substr(0, 17),
              "sounds/zap.sfx:2:");
    EXPECT_EQ(error_of([] { effect_from("[layer]\nfreq = 12x\n"); }),
              "sounds/zap.sfx:2: 'freq' needs a number, got '12x'");
    EXPECT_EQ(error_of([] { effect_from("[layer]\nwave = flute\n"); }).substr(0, 32),
              "sounds/zap.sfx:2: 'wave' must be");
    EXPECT_EQ(error_of([] { effect_from("[layer]\ndecay = 1\ndecay = 2\n"); }),
              "sounds/zap.sfx:3: 'decay' given twice in one section");
    EXPECT_EQ(error_of([] { effect_from("[voice]\n"); }),
              "sounds/zap.sfx:1: unknown section [voice]");
    EXPECT_EQ(error_of([] { effect_from("event = x\n"); }), "sounds/zap.sfx: no [layer] section");
    EXPECT_EQ(error_of([] { effect_from("[layer]\nsustain = 2\ndecay = 1\n"); }),
              "sounds/zap.sfx:1: layer lasts beyond 2.5 seconds");
    EXPECT_EQ(error_of([] { effect_from("[layer]\njust words\n"); }),
              "sounds/zap.sfx:2: expected 'key = value'");
    EXPECT_EQ(error_of([] { load_key_value("/nonexistent/zap.sfx"); }),
              "/nonexistent/zap.sfx: cannot open file");
}

TEST(Score, NoteNames) {
    EXPECT_EQ(parse_note("A4"), 69);
    EXPECT_EQ(parse_note("C4"), 60);
    EXPECT_EQ(parse_note("C#5"), 73);
    EXPECT_EQ(parse_note("Bb3"), 58);
    EXPECT_EQ(parse_note("H4"), -1);
    EXPECT_EQ(parse_note("A"), -1);
    EXPECT_EQ(parse_note("A10"), -1);
    EXPECT_EQ(parse_note("a4"), -1);
}

namespace {

const char* kSong =
    "event the tune\n"
    "tempo 120\n"
    "instrument lead wave=square duty=0.25 volume=0.3\n"
    "instrument bass wave=triangle\n"
    "channel mel lead\n"
    "channel low bass\n"
    "pattern tune\n"
    "  A4 - . C5+E5 | \n"
    "end\n"
    "pattern root\n"
    "  A2 . . .\n"
    "end\n"
    "section one\n"
    "  mel tune*2\n"
    "  low root root^5\n"
    "end\n"
    "section quiet\n"
    "  low root\n"
    "end\n"
    "order one quiet\n";

}  // namespace

TEST(Score, ExpandsSectionsPatternsTranspositionAndRepeats) {
    const Song s = parse_score(kSong, "music/t.score");
    EXPECT_EQ(s.name, "t");
    EXPECT_EQ(s.event, "the tune");
    ASSERT_EQ(s.channels.size(), 2u);
    ASSERT_EQ(s.steps(), 12u);
    const auto& mel = s.channels[0].timeline;
    EXPECT_EQ(mel[0].kind, Step::Kind::Notes);
    EXPECT_EQ(mel[0].notes, std::vector<int>{69});
    EXPECT_EQ(mel[1].kind, Step::Kind::Hold);
    EXPECT_EQ(mel[2].kind, Step::Kind::Rest);
    EXPECT_EQ(mel[3].notes, (std::vector<int>{72, 76}));
    EXPECT_EQ(mel[7].notes, (std::vector<int>{72, 76}));
    EXPECT_EQ(mel[8].kind, Step::Kind::Rest);  // the channel is silent in "quiet"
    const auto& low = s.channels[1].timeline;
    EXPECT_EQ(low[0].notes, std::vector<int>{45});
    EXPECT_EQ(low[4].notes, std::vector<int>{50});
    EXPECT_EQ(low[8].notes, std::vector<int>{45});
    EXPECT_EQ(s.samples_per_step(), 5513u);  // 44100 * 60 / 480, rounded
}

TEST(Score, RejectsMistakesWithFileAndLine) {
    const auto bad = [](std::string from, std::string to) {
        std::string text = kSong;
        const auto pos = text.find(from);
        EXPECT_NE(pos, std::string::npos) << from;
        text.replace(pos, from.size(), to);
        return error_of([&] { parse_score(text, "t.score"); });
    };
    EXPECT_EQ(bad("low root root^5", "low root"),
              "t.score:15: channel 'low' has 4 steps, others 8");
    EXPECT_EQ(bad("mel tune*2", "mel tunes"), "t.score:14: unknown pattern 'tunes'");
    EXPECT_EQ(bad("A4 - .", "A4 - X9"), "t.score:8: 'X9' is not a note or chord");
    EXPECT_EQ(bad("channel low bass", "channel low drum"), "t.score:6: unknown instrument 'drum'");
    EXPECT_EQ(bad("duty=0.25", "duty=2"), "t.score:3: 'duty' = 2 is outside 0.02 .. 0.98");
    EXPECT_EQ(bad("volume=0.3", "volume"), "t.score:3: expected key=value, got 'volume'");
    EXPECT_EQ(bad("order one quiet", "order one loud"), "t.score:20: unknown section 'loud'");
    EXPECT_EQ(bad("tempo 120", "tempo 1000"), "t.score:2: tempo must be 40 to 300");
    EXPECT_EQ(bad("root^5", "root^x"), "t.score:15: '^' transposition needs a whole number");
    EXPECT_EQ(bad("order one quiet\n", ""), "t.score: the 'order' plays no steps");
    EXPECT_EQ(bad("  low root\nend\norder one quiet\n", "  low root\n"),
              "t.score:18: missing 'end' of 'quiet'");
}
