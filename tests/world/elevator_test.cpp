// SPDX-License-Identifier: GPL-3.0-or-later
// Lifts: start direction, chainless waiting beyond the right edge, the swing of a horizontal
// lift once touched, turning points, the hero's bounce and removal past the left edge.
#include <gtest/gtest.h>

#include "world/world_helpers.h"

namespace {

elevator_tag& only_lift() {
    return *elevator_list.First();
}

void hero_far_away() {
    hero().x = -1000;
    hero().y = -1000;
}

void lift_frame(elevator_tag& lift) {
    lift.update(0);
    lift.collisions(Int(hero().x), Int(hero().y));
}

}  // namespace

TEST(Elevator, VerticalLiftStartsTowardsTheFartherEdge) {
    fresh_game();
    elevator_tag::Create(100, 240, 1, 1);
    elevator_tag::Create(100, 241, 0, 1);
    elevator_tag::Create(100, 100, 1, 0);
    std::vector<elevator_tag> lifts;
    elevator_list.ForEach([&](elevator_tag& e) { lifts.push_back(e); });
    ASSERT_EQ(lifts.size(), 3u);
    EXPECT_EQ(lifts[0].ystp, -2.0f);
    EXPECT_EQ(lifts[0].frame, 13);
    EXPECT_EQ(lifts[1].ystp, 2.0f);
    EXPECT_EQ(lifts[1].xscale, 1.0f);
    EXPECT_EQ(lifts[2].frame, 12);
    EXPECT_EQ(lifts[2].xstp, 0.0f);
    EXPECT_EQ(lifts[2].ystp, 0.0f);
    EXPECT_EQ(lifts[2].xscale, 2.0f);
}

TEST(Elevator, VerticalLiftTurnsNearTheScreenEdges) {
    fresh_game();
    hero_far_away();
    elevator_tag::Create(300, 60, 1, 1);
    elevator_tag& lift = only_lift();
    float lowest = 1000;
    for (int i = 0; i < 10; ++i) {
        lift_frame(lift);
        lowest = std::min(lowest, lift.y);
    }
    EXPECT_EQ(lowest, 54);
    EXPECT_EQ(lift.ystp, 2.0f);
    lift.y = 464;
    lift_frame(lift);
    EXPECT_EQ(lift.y, 466);
    EXPECT_EQ(lift.ystp, -2.0f);
}

TEST(Elevator, LiftsBeyondTheRightEdgeOnlyScroll) {
    fresh_game();
    hero_far_away();
    elevator_tag::Create(682, 300, 1, 1);
    elevator_tag& lift = only_lift();
    lift.update(0);
    EXPECT_EQ(lift.y, 300) << "at 682 it waits";
    lift.update(-2);
    EXPECT_EQ(lift.x, 680);
    EXPECT_EQ(lift.y, 300) << "at 680 it still waits";
    lift.update(-1);
    EXPECT_EQ(lift.x, 679);
    EXPECT_EQ(lift.y, 302) << "at 679 it moves";
}

TEST(Elevator, UntouchedHorizontalLiftStaysPut) {
    fresh_game();
    hero_far_away();
    elevator_tag::Create(400, 300, 1, 0);
    elevator_tag& lift = only_lift();
    for (int i = 0; i < 600; ++i) lift_frame(lift);
    EXPECT_EQ(lift.x, 400);
    EXPECT_EQ(lift.y, 300);
    lift.update(-4);
    EXPECT_EQ(lift.x, 396);
}

TEST(Elevator, TouchedHorizontalLiftSwingsWithAShortFirstLeg) {
    const SolidSprites solid;  // a fresh game on solid squares
    ASSERT_TRUE(ImagesCollide(img_sprites, 0, 0, 30, img_sprites, 39, 39, 12))
        << "the stand-in frames are solid to their corners";
    game.sound = 1;
    sounds_played();
    elevator_tag::Create(100, 300, 1, 0);
    elevator_tag& lift = only_lift();
    // The hero lands on it from below: still put on top, and the lift starts.
    hero().x = 100;
    hero().y = 310;
    game.jump = 1;
    lift.collisions(Int(hero().x), Int(hero().y));
    EXPECT_EQ(lift.xstp, 2.0f);
    EXPECT_EQ(hero().y, 260);
    EXPECT_EQ(hero().ystp, -3.0f);
    EXPECT_EQ(hero().yscale, 0.5f);
    EXPECT_EQ(hero().x, 100) << "a lift never carries the hero sideways";
    EXPECT_EQ(game.jump, 0);
    EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_boing"});

    hero_far_away();
    std::vector<int> legs;
    float last = lift.x;
    int run = 0;
    int dir = 1;
    for (int f = 0; f < 279 + 281 + 281 + 5; ++f) {
        lift.update(0);
        const int moved = lift.x > last ? 1 : -1;
        last = lift.x;
        if (moved != dir) {
            legs.push_back(run);
            run = 0;
            dir = moved;
        }
        ++run;
    }
    ASSERT_GE(legs.size(), 3u);
    EXPECT_EQ(legs[0], 279);
    EXPECT_EQ(legs[1], 281);
    EXPECT_EQ(legs[2], 281);
}

TEST(Elevator, RisingVerticalLiftThrowsTheHeroHigher) {
    const SolidSprites solid;  // a fresh game on solid squares
    elevator_tag::Create(300, 200, 1, 1);
    elevator_tag::Create(500, 300, 1, 1);
    std::vector<float> bounces;
    elevator_list.ForEach([&](elevator_tag& lift) {
        hero().x = lift.x;
        hero().y = lift.y - 30;
        lift.collisions(Int(hero().x), Int(hero().y));
        bounces.push_back(hero().ystp);
        EXPECT_EQ(hero().y, lift.y - 40);
    });
    EXPECT_EQ(bounces, (std::vector<float>{-5.0f, -3.0f}));
}

TEST(Elevator, RemovedOncePastEightyPixelsLeft) {
    fresh_game();
    hero_far_away();
    elevator_tag::Create(-78, 300, 1, 0);
    only_lift().update(-2);
    EXPECT_EQ(elevator_list.Count(), 1) << "at -80 it stays";
    only_lift().update(-1);
    EXPECT_EQ(elevator_list.Count(), 0);
}
