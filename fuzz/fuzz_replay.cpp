// SPDX-License-Identifier: GPL-3.0-or-later
// The replay reader: any bytes are refused with a reason or read whole; a file read whole has
// input reads that play to their end and start records that either restore or are refused.
#include <cstdint>
#include <string>

#include "replay/game_state_bytes.h"
#include "replay/input_reads.h"
#include "replay/replay_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ReplayRecord replay;
    std::string why;
    if (!decode_replay(bytes, replay, why)) {
        if (why.empty()) __builtin_trap();  // every refusal says why
        return 0;
    }
    InputReadPlayer reads(&replay.input);
    if (!reads.skip_to_end()) __builtin_trap();  // the reader let a damaged list through
    restore_start_records(replay.start_records);
    // The raw reads too, as a playback meets them: any list of changes answers without harm.
    InputReadPlayer raw(&bytes);
    for (int i = 0; i < 1000 && !raw.out_of_step() && !raw.damaged(); ++i) raw.read(i % 14, 0);
    return 0;
}
