// SPDX-License-Identifier: GPL-3.0-or-later
// Streams over files and embedded resources, little-endian integers, and the game's paths:
// "data\..." names use a backslash and are resolved against the program's own directory, so
// the game works from any current directory. An installed game keeps its data folder apart from
// the program, at a fixed place relative to it, so the same binary runs under any prefix.
#include <SDL2/SDL.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/internal.h"

struct TStream {
    std::vector<uint8_t> data;  // read streams hold all their bytes
    size_t pos = 0;
    FILE* out = nullptr;  // write streams
    bool ok = true;
};

namespace {

struct Blob {
    const unsigned char* data;
    size_t size;
};

std::map<std::string, Blob>& incbins() {
    static std::map<std::string, Blob> blobs;
    return blobs;
}

const std::string kIncbin = "incbin::";

// The folder of the program itself, links resolved, without a separator at the end.
std::string program_dir() {
    static std::string dir = [] {
        char* base = SDL_GetBasePath();
        if (!base) return std::string(".");
        std::string p(base);
        SDL_free(base);
        if (p.size() > 1 && (p.back() == '/' || p.back() == '\\')) p.pop_back();
        return p;
    }();
    return dir;
}

// Windows paths may also start with a drive ("C:/...", "C:\\...").
bool is_absolute(const std::string& p) {
#ifdef _WIN32
    if (p.size() >= 3 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':' &&
        p[2] == '/')
        return true;
#endif
    return !p.empty() && p[0] == '/';
}

#ifndef VARNOTH_INSTALLED_DATA
#define VARNOTH_INSTALLED_DATA "../share/games/varnoth"
#endif

// The installed data folder when there is one, else the "data" folder beside the program (the
// build folder's layout).
const std::string& data_dir() {
    static std::string dir = [] {
        std::string installed = program_dir() + "/" VARNOTH_INSTALLED_DATA;
        std::error_code ignored;
        if (std::filesystem::is_directory(plat::fs_path(installed), ignored)) return installed;
        return program_dir() + "/data";
    }();
    return dir;
}

bool is_incbin(const std::string& url) {
    return url.compare(0, kIncbin.size(), kIncbin) == 0;
}

}  // namespace

void RegisterIncbin(const std::string& name, const unsigned char* data, size_t size) {
    incbins()[name] = Blob{data, size};
}

std::string ResolvePath(const std::string& path) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    if (is_absolute(p)) return p;
    const std::string& base = plat::config().options.data_dir;
    if (plat::config().headless && !base.empty()) {
        // The stand-in directory replaces the program's own: "data/x" lives in base/data/x.
        return base + "/" + p;
    }
    if (p.compare(0, 5, "data/") == 0) return data_dir() + p.substr(4);
    return program_dir() + "/" + p;
}

namespace plat {

bool read_all(const std::string& url, std::vector<uint8_t>& bytes) {
    if (is_incbin(url)) {
        auto it = incbins().find(url.substr(kIncbin.size()));
        if (it == incbins().end()) return false;
        bytes.assign(it->second.data, it->second.data + it->second.size);
        return true;
    }
    FILE* f = plat::open_file(ResolvePath(url), "rb");
    if (!f) return false;
    bytes.clear();
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

}  // namespace plat

TStream* ReadFile(const std::string& path) {
    auto* s = new TStream;
    if (!plat::read_all(path, s->data)) {
        delete s;
        return nullptr;
    }
    return s;
}

TStream* WriteFile(const std::string& path) {
    if (is_incbin(path)) return nullptr;
    FILE* f = plat::open_file(ResolvePath(path), "wb");
    if (!f) return nullptr;
    auto* s = new TStream;
    s->out = f;
    return s;
}

void CloseStream(TStream* stream) {
    if (!stream) return;
    if (stream->out) std::fclose(stream->out);
    delete stream;
}

int32_t ReadInt(TStream* stream) {
    if (!stream || stream->out || stream->pos + 4 > stream->data.size()) {
        // Reading past the end gives 0, never bytes from elsewhere.
        if (stream) stream->pos = stream->data.size();
        return 0;
    }
    const uint8_t* b = stream->data.data() + stream->pos;
    stream->pos += 4;
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 |
                                static_cast<uint32_t>(b[3]) << 24);
}

void WriteInt(TStream* stream, int32_t value) {
    if (!stream || !stream->out) return;
    uint32_t v = static_cast<uint32_t>(value);
    uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                    static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    if (std::fwrite(b, 1, 4, stream->out) != 4) stream->ok = false;
    if (std::fflush(stream->out) != 0) stream->ok = false;
}

bool Eof(TStream* stream) {
    return !stream || stream->out || stream->pos >= stream->data.size();
}

size_t StreamRemaining(TStream* stream) {
    if (!stream || stream->out) return 0;
    return stream->data.size() - stream->pos;
}

bool StreamOk(TStream* stream) {
    return stream && stream->ok;
}

int FileType(const std::string& path) {
    if (is_incbin(path)) return incbins().count(path.substr(kIncbin.size())) ? 1 : 0;
    std::error_code ignored;
    const auto status = std::filesystem::status(plat::fs_path(ResolvePath(path)), ignored);
    if (std::filesystem::is_directory(status)) return 2;
    return std::filesystem::is_regular_file(status) ? 1 : 0;
}
