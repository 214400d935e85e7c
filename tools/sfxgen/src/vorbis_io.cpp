// SPDX-License-Identifier: GPL-3.0-or-later
// libvorbis encoding into memory and libvorbisfile decoding from memory, plus file helpers.
// Decoding is used to verify the levels of what was really written, after the codec.
#include "vorbis_io.hpp"

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace sfxgen {

namespace {

void append_page(std::vector<unsigned char>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

struct Encoder {
    vorbis_info vi{};
    vorbis_comment vc{};
    vorbis_dsp_state vd{};
    vorbis_block vb{};
    ogg_stream_state os{};
    bool started = false;

    Encoder() {
        vorbis_info_init(&vi);
        vorbis_comment_init(&vc);
    }
    ~Encoder() {
        if (started) {
            ogg_stream_clear(&os);
            vorbis_block_clear(&vb);
            vorbis_dsp_clear(&vd);
        }
        vorbis_comment_clear(&vc);
        vorbis_info_clear(&vi);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    void drain(std::vector<unsigned char>& out) {
        ogg_packet op;
        ogg_page og;
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op) != 0) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og) != 0) append_page(out, og);
            }
        }
    }
};

struct MemoryReader {
    const std::vector<unsigned char>* bytes;
    std::size_t pos;
};

std::size_t mem_read(void* dst, std::size_t size, std::size_t count, void* src) {
    auto* m = static_cast<MemoryReader*>(src);
    const std::size_t want = size * count;
    const std::size_t n = std::min(want, m->bytes->size() - m->pos);
    if (n > 0) std::memcpy(dst, m->bytes->data() + m->pos, n);
    m->pos += n;
    return size == 0 ? 0 : n / size;
}

int mem_seek(void* src, ogg_int64_t offset, int whence) {
    auto* m = static_cast<MemoryReader*>(src);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(m->pos);
    if (whence == SEEK_END) base = static_cast<ogg_int64_t>(m->bytes->size());
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > static_cast<ogg_int64_t>(m->bytes->size())) return -1;
    m->pos = static_cast<std::size_t>(target);
    return 0;
}

long mem_tell(void* src) {
    return static_cast<long>(static_cast<MemoryReader*>(src)->pos);
}

}  // namespace

std::vector<unsigned char> encode_ogg(const Pcm& pcm, float quality, const std::string& title) {
    Encoder enc;
    if (vorbis_encode_init_vbr(&enc.vi, pcm.channels, pcm.rate, quality) != 0)
        throw std::runtime_error(title + ": the Vorbis encoder refused the settings");
    vorbis_comment_add_tag(&enc.vc, "TITLE", title.c_str());
    vorbis_analysis_init(&enc.vd, &enc.vi);
    vorbis_block_init(&enc.vd, &enc.vb);
    ogg_stream_init(&enc.os, kStreamSerial);
    enc.started = true;

    std::vector<unsigned char> out;
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&enc.vd, &enc.vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&enc.os, &header);
    ogg_stream_packetin(&enc.os, &comments);
    ogg_stream_packetin(&enc.os, &codebooks);
    ogg_page og;
    while (ogg_stream_flush(&enc.os, &og) != 0) append_page(out, og);

    const std::size_t frames = pcm.frames();
    const auto ch = static_cast<std::size_t>(pcm.channels);
    constexpr std::size_t kChunk = 1024;
    for (std::size_t pos = 0; pos < frames; pos += kChunk) {
        const std::size_t n = std::min(kChunk, frames - pos);
        float** buf = vorbis_analysis_buffer(&enc.vd, static_cast<int>(n));
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t c = 0; c < ch; ++c) buf[c][i] = pcm.samples[(pos + i) * ch + c];
        vorbis_analysis_wrote(&enc.vd, static_cast<int>(n));
        enc.drain(out);
    }
    vorbis_analysis_wrote(&enc.vd, 0);
    enc.drain(out);
    while (ogg_stream_flush(&enc.os, &og) != 0) append_page(out, og);
    return out;
}

Pcm decode_ogg(const std::vector<unsigned char>& bytes, const std::string& what) {
    MemoryReader reader{&bytes, 0};
    ov_callbacks cb{mem_read, mem_seek, nullptr, mem_tell};
    OggVorbis_File vf;
    if (ov_open_callbacks(&reader, &vf, nullptr, 0, cb) != 0)
        throw std::runtime_error(what + ": not an OGG Vorbis stream");
    const vorbis_info* info = ov_info(&vf, -1);
    Pcm pcm;
    pcm.channels = info->channels;
    pcm.rate = static_cast<int>(info->rate);
    int section = 0;
    for (;;) {
        float** data = nullptr;
        const long n = ov_read_float(&vf, &data, 4096, &section);
        if (n == 0) break;
        if (n < 0) {
            ov_clear(&vf);
            throw std::runtime_error(what + ": damaged Vorbis data");
        }
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < pcm.channels; ++c) pcm.samples.push_back(data[c][i]);
    }
    ov_clear(&vf);
    return pcm;
}

Pcm decode_ogg_file(const std::string& path) {
    return decode_ogg(read_binary_file(path), path);
}

std::vector<unsigned char> read_binary_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot open file");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_binary_file(const std::string& path, const std::vector<unsigned char>& bytes) {
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) throw std::runtime_error(path + ": cannot write file");
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error(path + ": write failed");
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0)
        throw std::runtime_error(path + ": cannot replace file");
}

}  // namespace sfxgen
