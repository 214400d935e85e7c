// SPDX-License-Identifier: GPL-3.0-or-later
// OGG Vorbis encoding and decoding. The encoder uses a fixed stream serial number and no
// clock, so the same samples always give the same bytes.
#pragma once

#include <string>
#include <vector>

#include "pcm.hpp"

namespace sfxgen {

inline constexpr int kStreamSerial = 0x566E7468;

// quality is libvorbis' VBR quality, -0.1 .. 1.0. Throws std::runtime_error on failure.
std::vector<unsigned char> encode_ogg(const Pcm& pcm, float quality, const std::string& title);

// Throws std::runtime_error naming `what` when the bytes are not a readable Vorbis stream.
Pcm decode_ogg(const std::vector<unsigned char>& bytes, const std::string& what);
Pcm decode_ogg_file(const std::string& path);

std::vector<unsigned char> read_binary_file(const std::string& path);
void write_binary_file(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace sfxgen
