// SPDX-License-Identifier: GPL-3.0-or-later
// Mixes a sound effect and the music for real through SDL's disk audio driver, which writes
// the mixed output to a file, and checks that the file holds sound and that the channel
// operations act on what is heard. Prints "N passed, N failed".
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/backend.h"
#include "platform/player_choices.h"
#include "shell/globals.h"
#include "shell/startup.h"

namespace {

int passed = 0, failed = 0;

void check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    ok ? ++passed : ++failed;
}

size_t file_size(const char* path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return in ? static_cast<size_t>(in.tellg()) : 0;
}

// The loudest 16-bit sample written since byte `from`.
int loudest(const char* path, size_t from) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int peak = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        int v = static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) |
                                     static_cast<uint8_t>(bytes[i + 1]) << 8);
        peak = std::max(peak, std::abs(v));
    }
    return peak;
}

void wait_ms(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

int main(int argc, char** argv) {
    const char* out = argc > 1 ? argv[1] : "real_audio.raw";
    std::remove(out);
    setenv("SDL_DISKAUDIOFILE", out, 1);
    setenv("SDL_DISKAUDIODELAY", "5", 1);
    HeadlessOptions o;
    o.draw = false;
    o.data_dir = VARNOTH_BINARY_DIR;
    PlatformUseHeadless(o);
    PlatformUseRealAudio("disk");
    start_up();

    wait_ms(200);
    size_t before = file_size(out);
    check(before > 0, "the disk driver writes the mixed output");
    check(loudest(out, 0) == 0, "nothing sounds before anything plays");

    PlaySound(snd_boing, nullptr);
    wait_ms(400);
    size_t after_effect = file_size(out);
    check(loudest(out, before) > 500, "an effect is heard");

    PlaySound(snd_tilesong, music_channel);
    SetChannelVolume(music_channel, 1.0f);
    wait_ms(600);
    check(ChannelPlaying(music_channel), "the music plays on its channel");
    size_t music_start = file_size(out);
    wait_ms(300);
    check(loudest(out, music_start) > 500, "the music is heard");
    PauseChannel(music_channel);
    wait_ms(300);
    size_t paused_at = file_size(out);
    wait_ms(300);
    check(loudest(out, paused_at) == 0, "a paused music channel is silent");
    ResumeChannel(music_channel);
    wait_ms(400);
    check(loudest(out, file_size(out) > 8192 ? file_size(out) - 8192 : 0) > 500,
          "resumed music is heard again");
    StopChannel(music_channel);
    check(!ChannelPlaying(music_channel), "a stopped channel does not play");
    (void)after_effect;

    // The player's effects volume over the effect: 30 is quieter than 100, 0 is silent.
    auto effect_peak = [&](int volume) {
        Settings s = SettingsInForce();
        s.effects_volume = volume;
        ApplySettings(s);
        wait_ms(300);
        const size_t from = file_size(out);
        PlaySound(snd_boing, nullptr);
        wait_ms(400);
        return loudest(out, from);
    };
    const int full = effect_peak(100);
    const int third = effect_peak(30);
    const int none = effect_peak(0);
    std::printf("effect peaks: %d at 100, %d at 30, %d at 0\n", full, third, none);
    check(full > 500, "an effect at full volume is heard");
    check(third > 0 && third * 2 < full, "an effect at volume 30 is heard, quieter than at 100");
    check(none == 0, "an effect at volume 0 is silent");
    // The music volume over the music channel's own volume, at once while it plays.
    Settings s = SettingsInForce();
    s.effects_volume = 100;
    s.music_volume = 100;
    ApplySettings(s);
    PlaySound(snd_tilesong, music_channel);
    wait_ms(600);
    size_t from = file_size(out);
    wait_ms(300);
    const int music_full = loudest(out, from);
    s.music_volume = 0;
    ApplySettings(s);
    wait_ms(300);
    from = file_size(out);
    wait_ms(300);
    check(music_full > 500 && loudest(out, from) == 0, "music at volume 0 is silent at once");
    StopChannel(music_channel);

    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    std::_Exit(failed == 0 ? 0 : 1);
}
