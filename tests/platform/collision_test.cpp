// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel-exact collisions: solid pixels, not boxes, decide; rotation and scale are honoured.
#include <gtest/gtest.h>

#include "support/test_game.h"
#include "support/test_image.h"

namespace {

// A 40 x 40 frame with one filled rectangle in it, everything else transparent.
TImage* shape(int x, int y, int w, int h) {
    Cls();
    SetBlend(2);
    DrawRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
             static_cast<float>(h));
    TImage* img = CreateImage(40, 40, 1, -1);
    GrabImage(img, 0, 0, 0);
    MidHandleImage(img);
    Cls();
    SetBlend(1);
    return img;
}

}  // namespace

TEST(Collisions, SolidPixelsDecide) {
    fresh_game(true);
    const TestImage top_left(shape(0, 0, 10, 10));
    const TestImage bottom_right(shape(30, 30, 10, 10));
    // Same place: the boxes overlap fully but the squares are apart.
    EXPECT_FALSE(ImagesCollide(top_left.get(), 100, 100, 0, bottom_right.get(), 100, 100, 0));
    // Move the second so its square lands on the first one's.
    EXPECT_TRUE(ImagesCollide(top_left.get(), 100, 100, 0, bottom_right.get(), 75, 75, 0));
    EXPECT_FALSE(ImagesCollide(top_left.get(), 100, 100, 0, bottom_right.get(), 60, 60, 0));
    EXPECT_TRUE(ImagesCollide(top_left.get(), 100, 100, 0, bottom_right.get(), 61, 61, 0));
    // Frames out of range and the null object never collide.
    EXPECT_FALSE(ImagesCollide(top_left.get(), 0, 0, 3, top_left.get(), 0, 0, 0));
    EXPECT_FALSE(ImagesCollide(nullptr, 0, 0, 0, top_left.get(), 0, 0, 0));

    // Sprites of the sheet: the hero against a solid tile beside it.
    ASSERT_NE(img_sprites, nullptr);
    EXPECT_TRUE(ImagesCollide(img_sprites, 100, 100, 30, img_sprites, 130, 100, 9));
    EXPECT_FALSE(ImagesCollide(img_sprites, 100, 100, 30, img_sprites, 141, 100, 9));
}

TEST(Collisions, RotatedAndScaledShapesAreTested) {
    fresh_game(true);
    const TestImage bar(shape(0, 18, 40, 4));  // a horizontal bar through the middle
    // Two bars one above the other miss, however wide.
    EXPECT_FALSE(ImagesCollide(bar.get(), 100, 100, 0, bar.get(), 100, 110, 0));
    SetRotation(90);
    // Turned upright, both bars stand on the same line and overlap.
    EXPECT_TRUE(ImagesCollide(bar.get(), 100, 100, 0, bar.get(), 100, 110, 0));
    EXPECT_FALSE(ImagesCollide(bar.get(), 100, 100, 0, bar.get(), 110, 100, 0));
    SetRotation(0);
    SetScale(1, 4);
    // Four times as tall, the bars now reach each other.
    EXPECT_TRUE(ImagesCollide(bar.get(), 100, 100, 0, bar.get(), 100, 110, 0));
    SetScale(1, 1);
}
