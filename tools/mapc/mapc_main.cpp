// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-mapc: compiles one editable map source into the binary map the game embeds.
// Usage: varnoth-mapc LEGEND SOURCE OUTPUT
#include <cstdio>
#include <exception>

#include "map_binary.h"
#include "map_source.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: varnoth-mapc LEGEND SOURCE OUTPUT\n");
        return 2;
    }
    try {
        const mapc::Legend legend = mapc::load_legend(argv[1]);
        const mapc::MapGrid grid = mapc::parse_source(argv[2], legend);
        mapc::write_map(argv[3], grid);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "varnoth-mapc: %s\n", e.what());
        return 1;
    }
    return 0;
}
