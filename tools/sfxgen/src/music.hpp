// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a parsed score into a stereo loop. Everything is written circularly, so notes,
// drum tails and echoes that run past the end sound again at the start: the loop is seamless.
#pragma once

#include "pcm.hpp"
#include "score.hpp"

namespace sfxgen {

Pcm render_song(const Song& song);

}  // namespace sfxgen
