// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the fuzz targets once crashed on (fuzz/regressions/TARGET/), each fed again through
// the same reader: the outcome must be the defined one for bad data, never a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/sim_runner.h"
#include "support/test_game.h"

namespace {

// Hands each input of fuzz/regressions/TARGET to `check` as the embedded block NAME, the way the
// fuzz target handed it to the reader.
template <typename Check>
void for_each_input(const std::string& target, const std::string& name, Check check) {
    const std::filesystem::path dir =
        std::filesystem::path(VARNOTH_SOURCE_DIR) / "fuzz" / "regressions" / target;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string bytes = slurp(entry.path().string());
        RegisterIncbin(name, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        check("incbin::" + name, entry.path().string());
    }
}

}  // namespace

TEST(FuzzRegressions, PicturesThatClaimHugeSizesAreRefused) {
    fresh_game();
    for_each_input("png", "fuzz.png", [](const std::string& url, const std::string& path) {
        EXPECT_EQ(LoadImage(url), nullptr) << path;
    });
}

TEST(FuzzRegressions, SoundsTheDecoderWouldDivideByZeroOnPlayNothing) {
    // Page checksums made to fit, but a codebook whose code lengths overfill the code space:
    // libvorbis 1.3.7 empties the book and later divides by its size.
    fresh_game();
    for_each_input("ogg", "fuzz.ogg", [](const std::string& url, const std::string& path) {
        TSound* sound = LoadSound(url);
        EXPECT_FALSE(ChannelPlaying(PlaySound(sound))) << path;
        FreeSound(sound);
    });
}
