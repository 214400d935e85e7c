// Inputs the fuzz targets once crashed on (fuzz/regressions/TARGET/), each fed again through
// the same reader: the outcome must be the defined one for bad data, never a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/sim_runner.h"
#include "support/test_game.h"

namespace {

std::vector<std::string> inputs_of(const std::string& target) {
    std::vector<std::string> out;
    const std::filesystem::path dir =
        std::filesystem::path(VARNOTH_SOURCE_DIR) / "fuzz" / "regressions" / target;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        out.push_back(entry.path().string());
    return out;
}

}  // namespace

TEST(FuzzRegressions, PicturesThatClaimHugeSizesAreRefused) {
    fresh_game();
    for (const std::string& path : inputs_of("png")) {
        const std::string bytes = slurp(path);
        RegisterIncbin("fuzz.png", reinterpret_cast<const unsigned char*>(bytes.data()),
                       bytes.size());
        EXPECT_EQ(LoadImage("incbin::fuzz.png"), nullptr) << path;
    }
}

TEST(FuzzRegressions, SoundsTheDecoderWouldDivideByZeroOnPlayNothing) {
    // Page checksums made to fit, but a codebook whose code lengths overfill the code space:
    // libvorbis 1.3.7 empties the book and later divides by its size.
    fresh_game();
    for (const std::string& path : inputs_of("ogg")) {
        const std::string bytes = slurp(path);
        RegisterIncbin("fuzz.ogg", reinterpret_cast<const unsigned char*>(bytes.data()),
                       bytes.size());
        TSound* sound = LoadSound("incbin::fuzz.ogg");
        EXPECT_FALSE(ChannelPlaying(PlaySound(sound))) << path;
        FreeSound(sound);
    }
}
