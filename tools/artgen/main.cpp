// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-artgen SOURCE_ROOT [OUTPUT_ROOT]: draws every picture of the game from the code and
// the pixel-art files in SOURCE_ROOT/assets/art, checks them, and writes the sheets, the logo
// and the contact sheet under OUTPUT_ROOT (default SOURCE_ROOT).
// varnoth-artgen --preview SOURCE_ROOT FILE: only the contact sheet, check problems as warnings.
// varnoth-artgen --icons DIR: only the program's icons, as DIR/NxN/apps/varnoth.png.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "art_error.h"
#include "frames.h"
#include "icons.h"
#include "pictures.h"
#include "pixfont.h"
#include "png_out.h"

using namespace artgen;

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--icons") {
        try {
            write_icons(argv[2]);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "varnoth-artgen: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    const bool preview = argc == 4 && std::string(argv[1]) == "--preview";
    if (!preview && (argc < 2 || argc > 3)) {
        std::fprintf(
            stderr,
            "usage: %s SOURCE_ROOT [OUTPUT_ROOT] | --preview SOURCE_ROOT FILE | --icons DIR\n",
            argv[0]);
        return 2;
    }
    if (preview) ++argv;
    const std::filesystem::path src = argv[1], out = argc > 2 ? argv[2] : argv[1];
    try {
        const PixFont font = PixFont::load((src / "assets/art/font5x7.txt").string());
        const PixFont letters = PixFont::load((src / "assets/art/title_letters.txt").string());

        Frames f;
        Frames2 f2;
        for (Canvas& c : f) c = blank_cell();
        for (Canvas& c : f2) c = blank_cell();
        draw_terrain(f);
        draw_decor(f);
        draw_hero(f);
        draw_creatures(f);
        draw_walkers(f);
        draw_items(f);
        draw_effects(f);
        draw_witch(f, f2);
        draw_editor_icons(f, font);

        const Canvas title = title_lettering(letters), strip = credits_strip(font);
        const Canvas logo = studio_logo(font);
        const Canvas sheet1 = compose_sheet1(f, title, strip), sheet2 = compose_sheet2(f2);
        if (preview) {
            try {
                check_art(f, f2, sheet1, sheet2, title, strip, logo);
            } catch (const ArtError& e) {
                std::fprintf(stderr, "warning: %s", e.what());
            }
            write_png(out.string(), contact_sheet(f, f2, title, strip, logo, font));
            return 0;
        }
        check_art(f, f2, sheet1, sheet2, title, strip, logo);

        std::filesystem::create_directories(out / "resources/graphx");
        std::filesystem::create_directories(out / "assets/art");
        write_png((out / "resources/graphx/tovo_01.png").string(), sheet1);
        write_png((out / "resources/graphx/tovo_02.png").string(), sheet2);
        write_png((out / "resources/graphx/qllogo.png").string(), logo);
        write_png((out / "assets/art/contact_sheet.png").string(),
                  contact_sheet(f, f2, title, strip, logo, font));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "varnoth-artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
