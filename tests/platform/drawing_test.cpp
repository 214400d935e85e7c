// SPDX-License-Identifier: GPL-3.0-or-later
// Blend modes, alpha, grabbing and the sprite cut, checked by reading back real pixels from
// the headless OpenGL back buffer.
#include <gtest/gtest.h>

#include "platform/internal.h"
#include "support/test_game.h"
#include "support/test_image.h"

namespace {

struct Rgb {
    int r, g, b;
};

Rgb pixel(int x, int y) {
    std::vector<uint8_t> rgb;
    EXPECT_TRUE(ReadBackBuffer(rgb));
    size_t i = (static_cast<size_t>(y) * 640 + x) * 3;
    return Rgb{rgb[i], rgb[i + 1], rgb[i + 2]};
}

// A 20 x 20 image: a red square in its top-left 10 x 10, black (transparent) elsewhere.
TImage* red_corner_image() {
    Cls();
    SetBlend(2);
    SetColor(255, 0, 0);
    DrawRect(0, 0, 10, 10);
    SetColor(255, 255, 255);
    TImage* img = CreateImage(20, 20, 1, -1);
    GrabImage(img, 0, 0, 0);
    Cls();
    return img;
}

void white_background() {
    Cls();
    SetBlend(2);
    SetColor(255, 255, 255);
    DrawRect(0, 0, 640, 480);
}

}  // namespace

TEST(Drawing, BlendModesAndAlpha) {
    fresh_game(true);
    const TestImage img(red_corner_image());

    // Mask: alpha below one half draws nothing, above draws the solid pixels unmixed.
    white_background();
    SetBlend(1);
    SetAlpha(0.4f);
    DrawImage(img.get(), 100, 100, 0);
    SetAlpha(0.6f);
    DrawImage(img.get(), 200, 100, 0);
    SetAlpha(1.0f);
    Rgb faint = pixel(105, 105), strong = pixel(205, 105), hole = pixel(215, 115);
    EXPECT_EQ(faint.g, 255);
    EXPECT_EQ(strong.r, 255);
    EXPECT_EQ(strong.g, 0);
    EXPECT_EQ(hole.g, 255) << "black pixels of a masked image are transparent";

    // Alpha blending at one half mixes the image with what is below.
    white_background();
    SetBlend(3);
    SetAlpha(0.5f);
    DrawImage(img.get(), 100, 100, 0);
    SetAlpha(1.0f);
    Rgb mixed = pixel(105, 105);
    EXPECT_EQ(mixed.r, 255);
    EXPECT_NEAR(mixed.g, 128, 2);

    // Solid writes every pixel, the transparent black ones too.
    white_background();
    SetBlend(2);
    DrawImage(img.get(), 100, 100, 0);
    Rgb black = pixel(115, 115);
    EXPECT_EQ(black.r + black.g + black.b, 0);

    // Colour multiplies the image; values above 1.0 of alpha act as 1.0.
    white_background();
    SetBlend(3);
    SetAlpha(2.0f);
    EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
    SetColor(128, 255, 255);
    DrawImage(img.get(), 100, 100, 0);
    SetColor(255, 255, 255);
    EXPECT_NEAR(pixel(105, 105).r, 128, 1);
    SetBlend(1);
}

TEST(Drawing, MixedModesInOneFrameKeepEachModesColours) {
    // The renderer groups mask, solid and alpha draws; every draw must still look as if drawn
    // on its own, whatever came before it, in short runs and in long ones.
    fresh_game(true);
    const TestImage img(red_corner_image());
    white_background();
    const int modes[] = {1, 3, 1, 2, 3, 3, 1, 1, 1, 1, 1, 2, 3, 1};
    for (int i = 0; i < 14; ++i) {
        SetBlend(modes[i]);
        SetAlpha(modes[i] == 3 ? 0.5f : 1.0f);
        DrawImage(img.get(), 20 + 40 * i, 200, 0);
    }
    SetAlpha(1.0f);
    SetBlend(1);
    for (int i = 0; i < 14; ++i) {
        SCOPED_TRACE(i);
        const Rgb in = pixel(25 + 40 * i, 205), out = pixel(35 + 40 * i, 215);
        EXPECT_EQ(in.r, 255);
        if (modes[i] == 3) {
            EXPECT_NEAR(in.g, 128, 2) << "alpha mixes with the white below";
        } else {
            EXPECT_EQ(in.g, 0) << "mask and solid draw the colour unmixed";
        }
        EXPECT_EQ(out.g, modes[i] == 2 ? 0 : 255) << "only solid draws the black pixels";
    }
}

TEST(Drawing, AnImageNeverGrabbedIsTransparentAndCollidesWithNothing) {
    fresh_game(true);
    const TestImage blank(CreateImage(40, 40, 2, -1));
    const TestImage red(red_corner_image());
    white_background();
    SetBlend(1);
    DrawImage(blank.get(), 100, 100, 1);
    EXPECT_EQ(pixel(110, 110).g, 255) << "masked: nothing drawn";
    SetBlend(2);
    DrawImage(blank.get(), 300, 100, 0);
    const Rgb solid = pixel(310, 110);
    EXPECT_EQ(solid.r + solid.g + solid.b, 0) << "solid: the black of an empty frame";
    SetBlend(1);
    EXPECT_FALSE(ImagesCollide(blank.get(), 100, 100, 0, red.get(), 100, 100, 0));
    GrabImage(blank.get(), 290, 90, 1);  // half white, half the solid black square
    EXPECT_TRUE(ImagesCollide(blank.get(), 100, 100, 1, red.get(), 100, 100, 0));
}

TEST(Drawing, RotationAndScaleTurnAboutTheHandle) {
    fresh_game(true);
    const TestImage img(red_corner_image());
    MidHandleImage(img.get());  // handle at (10, 10): the red square is up and to the left of it
    white_background();
    SetBlend(1);
    SetTransform(180, 1, 1);
    DrawImage(img.get(), 300, 300, 0);
    SetTransform(0, 1, 1);
    EXPECT_EQ(pixel(305, 305).g, 0) << "turned half round, the square is down and right";
    EXPECT_EQ(pixel(295, 295).g, 255);
    white_background();
    SetScale(2, 2);
    DrawImage(img.get(), 300, 300, 0);
    SetScale(1, 1);
    EXPECT_EQ(pixel(282, 282).g, 0) << "scaled twice about the handle";
}

TEST(Drawing, SpriteSheetIsCutOnTheGrid) {
    fresh_game(true);
    ASSERT_NE(img_sprites, nullptr);
    ASSERT_EQ(ImageFrames(img_sprites), 127);
    const TestImage sheet(LoadImage("incbin::graphx\\tovo_01.png", -1));
    ASSERT_NE(sheet.get(), nullptr);
    struct Spot {
        int frame, x, y;
    };
    for (Spot s : {Spot{14, 575, 1}, Spot{15, 1, 42}, Spot{126, 247, 329}, Spot{30, 1, 83}}) {
        const auto& frame = img_sprites->frames[static_cast<size_t>(s.frame)].rgba;
        const auto& src = sheet->frames[0].rgba;
        int differing = 0;
        for (int v = 0; v < 40; ++v)
            for (int u = 0; u < 40; ++u)
                if (frame[static_cast<size_t>(v * 40 + u)] !=
                    src[static_cast<size_t>((s.y + v) * 640 + s.x + u)])
                    ++differing;
        EXPECT_EQ(differing, 0) << "frame " << s.frame;
    }
    EXPECT_FLOAT_EQ(img_sprites->handle_x, 20.0f);
    EXPECT_EQ(ImageWidth(img_title), 275);
    EXPECT_EQ(ImageHeight(img_strip), 32);
}
