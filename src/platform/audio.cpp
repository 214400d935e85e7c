// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds and channels through SDL2_mixer (OGG decoded by libvorbis). A looping sound is the
// music and streams; effects are decoded samples on mixer channels. In a headless run the
// channels are kept in virtual time instead and every operation is recorded as an event, so
// runs are reproducible; a test can still ask for real mixing through SDL's disk driver.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/internal.h"

struct TSound {
    std::string name;
    bool loop = false;
    std::vector<uint8_t> bytes;  // the music streams from these
    Mix_Chunk* chunk = nullptr;
    Mix_Music* music = nullptr;
    int duration_ms = 0;
};

struct TChannel {
    std::string name;
    int mix = -1;  // reserved mixer channel, -1 for a fresh one each time
    bool is_music = false;
    TSound* sound = nullptr;
    bool stopped = true;
    bool paused = false;
    float volume = 1.0f;
    int started_ms = 0;
    int paused_ms = 0;  // total time spent paused
    int paused_at = 0;
};

namespace {

bool g_open = false;     // the mixer is open
bool g_emulated = true;  // channels kept in virtual time
int g_reserved = 0;
int g_allocated = 0;
std::vector<std::string> g_events;
std::vector<std::unique_ptr<TChannel>> g_fresh;  // the channels PlaySound hands out
// The player's volumes, over the game's own channel volumes: what the game asks for is what a
// headless run records, and what is heard is the product.
float g_effects_gain = 1.0f;
float g_music_gain = 1.0f;
TChannel* g_music = nullptr;  // the channel the music last played on

int mixer_volume(const TChannel* channel) {
    const float gain = channel->is_music ? g_music_gain : g_effects_gain;
    return static_cast<int>(channel->volume * gain * MIX_MAX_VOLUME);
}

bool open_mixer() {
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0) return true;
    return false;
}

void record(const std::string& e) {
    if (plat::config().headless) g_events.push_back(e);
}

int elapsed(const TChannel* ch) {
    int now = ch->paused ? ch->paused_at : plat::now_ms();
    return now - ch->started_ms - ch->paused_ms;
}

}  // namespace

namespace plat {

bool audio_init() {
    Config& c = config();
    g_emulated = c.headless && !c.real_audio;
    if (c.headless) {
        // Headless runs never touch a real device: samples are still decoded for real.
        SDL_SetHint(SDL_HINT_AUDIODRIVER,
                    c.real_audio && !c.audio_driver.empty() ? c.audio_driver.c_str() : "dummy");
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || !open_mixer()) {
        // No audio device: fall back to the silent driver so the game runs on without sound.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || !open_mixer()) {
            std::fprintf(stderr, "varnoth: no sound: %s\n", SDL_GetError());
            return false;
        }
    }
    g_open = true;
    Mix_AllocateChannels(32);
    return true;
}

void audio_shutdown() {
    if (!g_open) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    g_open = false;
}

void audio_advance(int) {}

void audio_set_volumes(int effects_percent, int music_percent) {
    g_effects_gain = static_cast<float>(std::clamp(effects_percent, 0, 100)) / 100.0f;
    g_music_gain = static_cast<float>(std::clamp(music_percent, 0, 100)) / 100.0f;
    if (g_emulated || !g_open) return;
    if (g_music) Mix_VolumeMusic(mixer_volume(g_music));
    // Effects already sounding keep the volume they started with; reserved channels follow.
}

}  // namespace plat

std::vector<std::string> TakeSoundEvents() {
    std::vector<std::string> out;
    out.swap(g_events);
    return out;
}

namespace {

// A damaged or cut-off file plays nothing, like a missing one, and is named once.
TSound* damaged(TSound* s, const std::string& url, const std::string& why) {
    const std::string where = url.rfind("incbin::", 0) == 0 ? url : ResolvePath(url);
    std::fprintf(stderr, "varnoth: damaged sound file %s (%s), playing nothing\n", where.c_str(),
                 why.c_str());
    s->bytes.clear();
    s->bytes.shrink_to_fit();
    return s;
}

}  // namespace

std::string SoundName(TSound* sound) {
    return sound ? sound->name : std::string();
}

TSound* LoadSound(const std::string& url, int flags) {
    auto* s = new TSound;
    std::string base = url;
    for (char& c : base)
        if (c == '\\') c = '/';
    size_t slash = base.rfind('/');
    if (slash != std::string::npos) base = base.substr(slash + 1);
    size_t dot = base.rfind('.');
    if (dot != std::string::npos) base = base.substr(0, dot);
    s->name = "snd_" + base;
    s->loop = (flags & 1) != 0;
    // A missing file gives an empty handle that plays nothing.
    if (!plat::read_all(url, s->bytes)) return s;
    if (!plat::ogg_whole(s->bytes)) return damaged(s, url, "not a whole Ogg file");
    if (!g_open) return s;
    if (s->loop) {
        if (!g_emulated) {
            s->music = Mix_LoadMUS_RW(
                SDL_RWFromConstMem(s->bytes.data(), static_cast<int>(s->bytes.size())), 1);
            if (!s->music) return damaged(s, url, Mix_GetError());
        }
        return s;
    }
    s->chunk =
        Mix_LoadWAV_RW(SDL_RWFromConstMem(s->bytes.data(), static_cast<int>(s->bytes.size())), 1);
    s->bytes.clear();
    s->bytes.shrink_to_fit();
    if (!s->chunk) return damaged(s, url, Mix_GetError());
    int freq = 44100, channels = 2;
    Uint16 format = AUDIO_S16SYS;
    Mix_QuerySpec(&freq, &format, &channels);
    int frame_bytes = channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
    s->duration_ms = static_cast<int>(static_cast<long long>(s->chunk->alen) * 1000 /
                                      (static_cast<long long>(freq) * frame_bytes));
    return s;
}

void FreeSound(TSound* sound) {
    if (!sound) return;
    if (sound->chunk) Mix_FreeChunk(sound->chunk);
    if (sound->music) Mix_FreeMusic(sound->music);
    delete sound;
}

TChannel* AllocChannel() {
    auto* ch = new TChannel;
    ch->name = g_allocated == 0 ? "music_channel" : "channel" + std::to_string(g_allocated);
    ++g_allocated;
    if (g_open && !g_emulated) {
        ch->mix = g_reserved++;
        if (Mix_AllocateChannels(-1) < g_reserved + 8) Mix_AllocateChannels(g_reserved + 32);
        Mix_ReserveChannels(g_reserved);
    }
    return ch;
}

TChannel* PlaySound(TSound* sound, TChannel* channel) {
    if (!sound) return nullptr;
    if (!channel) {
        record(sound->name);
        g_fresh.push_back(std::make_unique<TChannel>());
        if (g_fresh.size() > 64) g_fresh.erase(g_fresh.begin());
        channel = g_fresh.back().get();
        channel->name = "fresh";
    } else {
        record("play " + sound->name + " " + channel->name);
    }
    channel->sound = sound;
    channel->stopped = false;
    channel->paused = false;
    channel->started_ms = plat::now_ms();
    channel->paused_ms = 0;
    channel->is_music = sound->loop;
    if (g_emulated || !g_open) return channel;
    if (sound->loop) g_music = channel;
    if (sound->loop) {
        if (sound->music) {
            Mix_VolumeMusic(mixer_volume(channel));
            Mix_PlayMusic(sound->music, -1);
        }
        return channel;
    }
    if (!sound->chunk) return channel;
    int target = channel->mix;
    int got = Mix_PlayChannel(target, sound->chunk, 0);
    if (got < 0 && target < 0) {
        // Every channel busy: make room rather than drop the effect.
        Mix_AllocateChannels(Mix_AllocateChannels(-1) + 16);
        got = Mix_PlayChannel(-1, sound->chunk, 0);
    }
    if (got >= 0) Mix_Volume(got, mixer_volume(channel));
    return channel;
}

void StopChannel(TChannel* channel) {
    if (!channel) return;
    record("stop " + channel->name);
    channel->stopped = true;
    if (g_emulated || !g_open) return;
    if (channel->is_music)
        Mix_HaltMusic();
    else if (channel->mix >= 0)
        Mix_HaltChannel(channel->mix);
}

void PauseChannel(TChannel* channel) {
    if (!channel) return;
    record("pause " + channel->name);
    if (!channel->paused) channel->paused_at = plat::now_ms();
    channel->paused = true;
    if (g_emulated || !g_open) return;
    if (channel->is_music)
        Mix_PauseMusic();
    else if (channel->mix >= 0)
        Mix_Pause(channel->mix);
}

void ResumeChannel(TChannel* channel) {
    if (!channel) return;
    record("resume " + channel->name);
    if (channel->paused) channel->paused_ms += plat::now_ms() - channel->paused_at;
    channel->paused = false;
    if (g_emulated || !g_open) return;
    if (channel->is_music)
        Mix_ResumeMusic();
    else if (channel->mix >= 0)
        Mix_Resume(channel->mix);
}

void SetChannelVolume(TChannel* channel, float volume) {
    if (!channel) return;
    volume = volume < 0 ? 0 : (volume > 1 ? 1 : volume);
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", volume);
    record("volume " + channel->name + " " + text);
    channel->volume = volume;
    if (g_emulated || !g_open) return;
    const int v = mixer_volume(channel);
    if (channel->is_music)
        Mix_VolumeMusic(v);
    else if (channel->mix >= 0)
        Mix_Volume(channel->mix, v);
}

bool ChannelPlaying(TChannel* channel) {
    if (!channel || channel->stopped || !channel->sound) return false;
    if (g_emulated || !g_open) {
        if (channel->sound->loop) return true;
        return elapsed(channel) < channel->sound->duration_ms;
    }
    if (channel->is_music) return Mix_PlayingMusic() != 0;
    return channel->mix >= 0 && Mix_Playing(channel->mix) != 0;
}
