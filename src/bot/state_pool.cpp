// SPDX-License-Identifier: GPL-3.0-or-later
// A cell counts as unchanged only when every byte of it is the first state's, its x moved by
// exactly the scrolling; anything else is kept whole, so that loading gives back the very state
// that was saved. States come back to a shelf when the last copy lets go of them.
#include "bot/state_pool.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// What save_state copies, field by field: a field added to game_state must be added to
// CompactState too, and this stops the build until it is.
struct GameStateFields {
    game_tag game;
    map_tag map_cells[map_tag::kCells];
    player_tag player[2];
    fireball_tag fireball;
    demo_tag demo[demo_tag::kRecords];
    TList<monster_tag> monster_list;
    TList<specialfx_tag> specialfx_list;
    TList<specialitem_tag> specialitem_list;
    TList<elevator_tag> elevator_list;
    int demo_playing, demo_pos, demo_next;
    float joy_left_threshold, joy_right_threshold, joy_up_threshold, joy_down_threshold;
    int32_t rnd_state;
    std::shared_ptr<const TPlatformState> platform;
};
static_assert(sizeof(GameStateFields) == sizeof(game_state),
              "game_state has a field the bot's saved states do not keep");

bool same_bits(const void* a, const void* b, size_t n) {
    return std::memcmp(a, b, n) == 0;
}

// The cell as it would be if only the scrolling had moved it since the first state.
bool only_scrolled(const map_tag& now, const map_tag& first, float scroll) {
    const float x = first.x + scroll;
    if (!same_bits(&now.x, &x, sizeof x)) return false;
    static_assert(offsetof(map_tag, x) == 0, "x leads the cell");
    return same_bits(reinterpret_cast<const char*>(&now) + sizeof(float),
                     reinterpret_cast<const char*>(&first) + sizeof(float),
                     sizeof(map_tag) - sizeof(float));
}

// What a saved state keeps as it is, from a game_state into a CompactState or back: the two name
// these fields alike.
template <typename To, typename From>
void copy_kept_whole(To& to, const From& from) {
    to.game = from.game;
    to.player[0] = from.player[0];
    to.player[1] = from.player[1];
    to.fireball = from.fireball;
    to.monster_list = from.monster_list;
    to.specialfx_list = from.specialfx_list;
    to.specialitem_list = from.specialitem_list;
    to.elevator_list = from.elevator_list;
    to.demo_playing = from.demo_playing;
    to.demo_pos = from.demo_pos;
    to.demo_next = from.demo_next;
    to.joy_left_threshold = from.joy_left_threshold;
    to.joy_right_threshold = from.joy_right_threshold;
    to.joy_up_threshold = from.joy_up_threshold;
    to.joy_down_threshold = from.joy_down_threshold;
}

}  // namespace

struct StatePool::Shelf {
    std::vector<std::unique_ptr<CompactState>> free;
};

StatePool::StatePool() : shelf_(std::make_shared<Shelf>()) {}

StatePool::~StatePool() = default;

StatePool::Saved StatePool::save() {
    if (!first_cells_) {
        first_cells_ = std::make_unique<map_tag[]>(map_tag::kCells);
        std::copy(std::begin(map_cells), std::end(map_cells), first_cells_.get());
        first_demo_ = std::make_unique<demo_tag[]>(demo_tag::kRecords);
        std::copy(std::begin(demo), std::end(demo), first_demo_.get());
    }
    std::unique_ptr<CompactState> s;
    if (shelf_->free.empty()) {
        s = std::make_unique<CompactState>();
    } else {
        s = std::move(shelf_->free.back());
        shelf_->free.pop_back();
    }
    copy_kept_whole(*s, the_state);
    s->rnd_state = RndState();
    s->platform = SavePlatformState();

    s->scroll = map_cells[0].x - first_cells_[0].x;
    s->changed.clear();
    s->changed_cells.clear();
    for (int i = 0; i < map_tag::kCells; ++i) {
        if (only_scrolled(map_cells[i], first_cells_[i], s->scroll)) continue;
        s->changed.push_back(static_cast<uint16_t>(i));
        s->changed_cells.push_back(map_cells[i]);
    }
    s->own_demo = !same_bits(demo, first_demo_.get(), sizeof demo);
    if (s->own_demo) s->demo.assign(std::begin(demo), std::end(demo));

    std::weak_ptr<Shelf> shelf = shelf_;
    return Saved(s.release(), [shelf](CompactState* state) {
        std::unique_ptr<CompactState> back(state);
        if (auto alive = shelf.lock()) alive->free.push_back(std::move(back));
    });
}

void StatePool::load(const CompactState& s) const {
    copy_kept_whole(the_state, s);
    std::memcpy(map_cells, first_cells_.get(), sizeof map_cells);
    for (map_tag& c : map_cells) c.x += s.scroll;
    for (size_t k = 0; k < s.changed.size(); ++k) map_cells[s.changed[k]] = s.changed_cells[k];
    if (s.own_demo)
        std::copy(s.demo.begin(), s.demo.end(), demo);
    else
        std::copy(first_demo_.get(), first_demo_.get() + demo_tag::kRecords, demo);
    the_state.rnd_state = s.rnd_state;
    the_state.platform = s.platform;
    LoadPlatformState(s.platform.get());
    SetRndState(s.rnd_state);
}
