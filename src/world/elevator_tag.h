// SPDX-License-Identifier: GPL-3.0-or-later
// Moving platforms placed by the map: horizontal lifts that swing once touched, vertical lifts
// that hang on a chain and go up and down.
#pragma once

struct elevator_tag {
    float x = 0;
    float y = 0;
    float xstp = 0;
    float ystp = 0;
    float xscale = 0;
    int typ = 0;
    int frame = 0;
    int distctr = 0;
    int dstp = 0;

    static void Create(float x, float y, int wide, int typ);
    void update(int dx);
    void collisions(int px, int py);
};
