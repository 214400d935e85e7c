// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-sfxgen: renders the sound sources into OGG files, checks the finished files, and
// prints the table of sounds for the README. Exit code 0 on success, 1 on any problem.
#include <iostream>
#include <stdexcept>
#include <string>

#include "pipeline.hpp"
#include "sound_check.hpp"

namespace {

int usage() {
    std::cerr << "usage: varnoth-sfxgen --render SOURCE_DIR OUT_DIR\n"
                 "       varnoth-sfxgen --check DATA_DIR\n"
                 "       varnoth-sfxgen --table SOURCE_DIR DATA_DIR\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    try {
        if (mode == "--render" && argc == 4) {
            const int n = sfxgen::render_directory(argv[2], argv[3], {}, std::cout);
            std::cout << n << " file(s) written to " << argv[3] << "\n";
            return n > 0 ? 0 : 1;
        }
        if (mode == "--check" && argc == 3)
            return sfxgen::check_directory(argv[2], std::cout) == 0 ? 0 : 1;
        if (mode == "--table" && argc == 4) {
            sfxgen::print_table(argv[2], argv[3], std::cout);
            return 0;
        }
    } catch (const std::exception& e) {
        std::cerr << "varnoth-sfxgen: " << e.what() << "\n";
        return 1;
    }
    return usage();
}
