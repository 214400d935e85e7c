// SPDX-License-Identifier: GPL-3.0-or-later
// A cell is worth reaching when it holds a loose token, a bonus block, a brick with something in
// it or a hidden block; it was reached when its token is gone or its block changed at all (a
// multi-token block starts its timer on the first blow).
#include "bot/unreached.h"

namespace {

constexpr int kBrick = 4;
constexpr int kBonusBlock = 5;
constexpr int kToken = 28;

struct Mark {
    int index = 0;
    map_tag start;
};

bool worth_reaching(const map_tag& c) {
    return c.tile2 == kToken || c.tile1 == kBonusBlock || (c.tile1 == kBrick && c.objectid != 0) ||
           c.hidden == 1;
}

bool reached(const map_tag& start, const map_tag& now) {
    if (start.tile2 == kToken) return now.tile2 != kToken;
    return now.tile1 != start.tile1 || now.hidden != start.hidden ||
           now.objectid != start.objectid || now.multitmr != start.multitmr;
}

}  // namespace

std::vector<AreaCheckCell> unreached_cells(int level, int area, const std::vector<Move>& moves) {
    start_area(level, area);
    std::vector<Mark> marks;
    for (int i = 0; i < map_tag::kCells; ++i)
        if (worth_reaching(map_cells[i])) marks.push_back(Mark{i, map_cells[i]});
    int held = 0;
    for (const Move& m : moves) {
        if (play_frame(PlayMode::kArea, m, held) != FrameResult::kPlaying) break;
    }
    std::vector<AreaCheckCell> out;
    for (const Mark& m : marks) {
        if (!reached(m.start, map_cells[m.index]))
            out.push_back(AreaCheckCell{m.index % map_tag::kColumns, m.index / map_tag::kColumns});
    }
    return out;
}
