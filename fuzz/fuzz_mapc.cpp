// SPDX-License-Identifier: GPL-3.0-or-later
// The map source compiler: a source read against the committed legend, compiled to a binary.
#include <cstdlib>
#include <string>

#include "fuzz_scratch.h"
#include "map_binary.h"
#include "map_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const mapc::Legend legend =
        mapc::load_legend(VARNOTH_SOURCE_DIR "/assets/maps/legend.txt");
    const std::string source = fuzz_scratch_file(".map.txt", data, size);
    try {
        mapc::write_map(source + ".bin", mapc::parse_source(source, legend));
    } catch (const mapc::MapError&) {
        // A refused source is the outcome for most inputs.
    }
    return 0;
}
