// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-mapcheck: reads the fifteen compiled maps of a folder and prints every catalogue
// figure and rule per map; exits non-zero when any figure differs or any rule is broken.
// With --pack it checks a level pack instead, as the game does before playing one.
// Usage: varnoth-mapcheck MAPS_FOLDER | --pack DIR
#include <cstdio>
#include <exception>
#include <string>

#include "catalogue.h"
#include "map_binary.h"
#include "map_rules.h"
#include "packs/pack_check.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--pack") return print_pack_check(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: varnoth-mapcheck MAPS_FOLDER | --pack DIR\n");
        return 2;
    }
    int failures = 0;
    for (const mapc::CatalogueEntry& e : mapc::catalogue()) {
        const std::string name = std::to_string(e.level) + "." + std::to_string(e.area);
        const std::string path = std::string(argv[1]) + "/tovomap" + name;
        std::printf("map %s\n", name.c_str());
        mapc::MapGrid grid;
        try {
            grid = mapc::read_map(path);
        } catch (const std::exception& ex) {
            std::printf("  FAIL %s\n", ex.what());
            ++failures;
            continue;
        }
        const auto counts = mapc::count_figures(grid);
        for (int f = 0; f < mapc::kFigureCount; ++f) {
            const int want = e.counts[static_cast<size_t>(f)];
            const int have = counts[static_cast<size_t>(f)];
            std::printf("  %-4s %-20s %4d (catalogue %d)\n", have == want ? "ok" : "FAIL",
                        mapc::figure_name(static_cast<mapc::Figure>(f)), have, want);
            if (have != want) ++failures;
        }
        const auto broken = mapc::check_rules(grid, e);
        for (const std::string& b : broken) std::printf("  FAIL %s\n", b.c_str());
        if (broken.empty()) std::printf("  ok   every placement rule\n");
        failures += static_cast<int>(broken.size());
    }
    if (failures) {
        std::printf("%d difference(s) from the catalogue\n", failures);
        return 1;
    }
    std::printf("all fifteen maps match the catalogue\n");
    return 0;
}
