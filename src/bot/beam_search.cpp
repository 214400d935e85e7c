// SPDX-License-Identifier: GPL-3.0-or-later
// Time-synchronous beam search: every copy in the beam stands at the same frame, so scores
// compare like with like, and copies that stand in nearly the same place are merged. A copy
// holds its saved state by a shared handle, so sorting, keeping and going back move handles,
// never whole states.
#include "bot/beam_search.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <memory>
#include <random>
#include <set>
#include <tuple>

#include "bot/state_pool.h"

namespace {

// A held move in the history of a copy; copies share their common past.
struct Segment {
    std::shared_ptr<const Segment> parent;
    Move move;
    int frames = 0;
};

// Copies within a few pixels of each other, moving the same way, play on alike.
using Key = std::tuple<int, int, int, int, int, int, int>;
Key key_of_live() {
    const player_tag& p = hero();
    return Key{static_cast<int>(AreaGoal::hero_map_x()) >> 3,
               static_cast<int>(p.y) >> 3,
               p.ystp < 0 ? 0 : 1,
               game.jump,
               p.power,
               game.item,
               game.invincible > 0 ? 1 : 0};
}

struct Node {
    StatePool::Saved state;
    int held = 0;
    std::shared_ptr<const Segment> path;
    int frames = 0;
    int kills = 0;
    int beaten_on_screen = 0;
    double score = 0;      // what the beam keeps by: the goal's score, with noise after setbacks
    double raw_score = 0;  // the goal's score alone
    float x = 0, y = 0;    // where the hero stands, in map pixels
    Key key;
    bool airborne = false;  // in a jump: a press of the jump key is used up without effect
};

// What became of one branch, so that its twin can be known without playing it.
struct Grown {
    enum class Kind { kNone, kDied, kForgotItem, kFinished, kLives } kind = Kind::kNone;
    int direction = -1;
    size_t index = 0;  // in the finished or the living children
};

struct Checkpoint {
    int step = 0;
    std::vector<Node> beam;
};

constexpr int kCheckpointEvery = 6;   // steps between saved beams
constexpr int kCheckpointsKept = 24;  // how far back a lost beam can return
constexpr double kNoisePerSetback = 40.0;
constexpr int kStallSteps = 45;        // steps without progress that count as a dead end
constexpr int kStallGrowth = 15;       // more patience after each setback in one place
constexpr double kProgressStep = 8.0;  // progress smaller than this is bouncing in place

const Move kMoves[] = {{2, false}, {2, true}, {0, false}, {0, true}, {1, false}, {1, true}};

std::vector<Move> unroll(const std::shared_ptr<const Segment>& last) {
    std::vector<const Segment*> chain;
    for (const Segment* s = last.get(); s != nullptr; s = s->parent.get()) chain.push_back(s);
    std::vector<Move> moves;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        for (int f = 0; f < (*it)->frames; ++f)
            moves.push_back(Move{(*it)->move.direction, (*it)->move.jump && f == 0});
    }
    return moves;
}

// One search: the beam, its saved past, and what the setbacks changed.
class Search {
  public:
    Search(PlayMode mode, const AreaGoal& goal, const SearchSettings& settings)
        : mode_(mode), goal_(goal), settings_(settings), width_(settings.beam) {}

    SearchResult run() {
        Node root;
        root.state = pool_.save();
        root.beaten_on_screen = beaten_monsters_on_screen();
        root.raw_score = goal_.score(0);
        root.airborne = game.jump == 1;
        start_x_ = AreaGoal::hero_map_x();
        root.x = start_x_;
        best_ = root;
        beam_.push_back(std::move(root));
        while (!out_of_budget()) {
            keep_checkpoint();
            std::vector<Node> children, finished;
            children.reserve(beam_.size() * std::size(kMoves));
            for (const Node& node : beam_) {
                Grown last;
                for (const Move& move : kMoves) {
                    if (out_of_budget()) break;
                    // In the air a jump press changes nothing: the branch with it plays out
                    // exactly as the one without, which has just been played.
                    if (move.jump && node.airborne && last.direction == move.direction)
                        twin(node, move, last, children, finished);
                    else
                        last = grow(node, move, children, finished);
                }
                if (mode_ == PlayMode::kArea && !finished.empty()) break;
            }
            if (out_of_budget() && finished.empty()) break;
            const bool demo_done = mode_ == PlayMode::kDemo && !children.empty() &&
                                   children.front().frames >= settings_.frame_limit;
            if (!finished.empty() || demo_done) {
                take_best(finished.empty() ? children : finished);
                break;
            }
            const bool lost = children.empty();
            if (!lost) note_progress(children);
            if (lost || step_ - best_step_ > kStallSteps + kStallGrowth * setbacks_here_) {
                if (!set_back(lost)) break;
                continue;
            }
            select(children);
            if (mode_ == PlayMode::kArea && beam_.front().frames >= settings_.frame_limit) break;
        }
        if (!result_.solved) result_.best_moves = unroll(best_.path);
        result_.way = way_of(best_);
        return result_;
    }

  private:
    bool out_of_budget() const { return stopped_ || result_.branches >= settings_.budget(); }

    float way_of(const Node& n) const {
        const float span = goal_.cauldron_x - start_x_;
        if (span <= 0) return 0;
        return std::clamp((n.x - start_x_) / span, 0.0f, 1.0f);
    }

    // One more branch; every so often the caller hears how far the search has come.
    void count_branch() {
        ++result_.branches;
        if (!settings_.on_progress || result_.branches % SearchSettings::kProgressEvery != 0)
            return;
        if (!settings_.on_progress(SearchProgress{result_.branches, way_of(best_)})) {
            stopped_ = true;
            result_.stopped = true;
        }
    }

    void keep_checkpoint() {
        if (step_ % kCheckpointEvery != 0) return;
        if (!checkpoints_.empty() && checkpoints_.back().step >= step_) return;
        checkpoints_.push_back(Checkpoint{step_, beam_});
        if (static_cast<int>(checkpoints_.size()) > kCheckpointsKept) checkpoints_.pop_front();
    }

    // Plays `move` from `node` for one segment; a child that lives on goes to `children`, one
    // that finished the area to `finished`.
    Grown grow(const Node& node, const Move& move, std::vector<Node>& children,
               std::vector<Node>& finished) {
        const int frames = mode_ == PlayMode::kDemo
                               ? std::min(settings_.segment, settings_.frame_limit - node.frames)
                               : settings_.segment;
        count_branch();
        pool_.load(*node.state);
        int held = node.held;
        int kills = node.kills;
        int beaten = node.beaten_on_screen;
        FrameResult r = FrameResult::kPlaying;
        int played = 0;
        while (played < frames) {
            r = play_frame(mode_, Move{move.direction, move.jump && played == 0}, held);
            ++played;
            ++result_.frames_simulated;
            const int now = beaten_monsters_on_screen();
            if (now > beaten) kills += now - beaten;
            beaten = now;
            if (r != FrameResult::kPlaying) break;
        }
        Grown grown;
        grown.direction = move.direction;
        if (r == FrameResult::kDied) {
            ++result_.deaths_avoided;
            grown.kind = Grown::Kind::kDied;
            return grown;
        }
        if (r == FrameResult::kForgotItem) {
            grown.kind = Grown::Kind::kForgotItem;
            return grown;
        }
        Node child;
        child.held = held;
        child.path = std::make_shared<Segment>(Segment{node.path, move, played});
        child.frames = node.frames + played;
        child.kills = kills;
        child.beaten_on_screen = beaten;
        child.raw_score = goal_.score(kills);
        child.score = child.raw_score;
        child.key = key_of_live();
        child.x = AreaGoal::hero_map_x();
        child.y = hero().y;
        child.airborne = game.jump == 1;
        if (r == FrameResult::kFinished) {
            child.score = 1e9 - child.frames;  // the fewest frames first
            grown.kind = Grown::Kind::kFinished;
            grown.index = finished.size();
            finished.push_back(std::move(child));
            return grown;
        }
        child.state = pool_.save();
        grown.kind = Grown::Kind::kLives;
        grown.index = children.size();
        keep_child(std::move(child), children);
        return grown;
    }

    // The branch of `move` from `node` whose twin without the jump press was `last`: the same
    // outcome, the same state, only the path that leads to it differs.
    void twin(const Node& node, const Move& move, const Grown& last, std::vector<Node>& children,
              std::vector<Node>& finished) {
        count_branch();
        switch (last.kind) {
            case Grown::Kind::kDied:
                ++result_.deaths_avoided;
                return;
            case Grown::Kind::kFinished: {
                Node child = finished[last.index];
                child.path =
                    std::make_shared<Segment>(Segment{node.path, move, child.path->frames});
                finished.push_back(std::move(child));
                return;
            }
            case Grown::Kind::kLives: {
                Node child = children[last.index];
                child.path =
                    std::make_shared<Segment>(Segment{node.path, move, child.path->frames});
                child.score = child.raw_score;
                keep_child(std::move(child), children);
                return;
            }
            default:
                return;
        }
    }

    // A child that lives on, its score given the search's noise of the moment.
    void keep_child(Node child, std::vector<Node>& children) {
        if (noise_ > 0) child.score += std::uniform_real_distribution<double>(0, noise_)(rng_);
        if (child.raw_score > best_.raw_score) best_ = child;
        children.push_back(std::move(child));
    }

    void take_best(const std::vector<Node>& pool) {
        const Node& best =
            *std::max_element(pool.begin(), pool.end(),
                              [](const Node& a, const Node& b) { return a.score < b.score; });
        result_.solved = true;
        result_.moves = unroll(best.path);
    }

    void note_progress(const std::vector<Node>& children) {
        for (const Node& c : children) {
            if (c.raw_score > best_raw_ + kProgressStep) {
                best_raw_ = c.raw_score;
                best_step_ = step_;
            }
        }
    }

    // Every copy was lost, or none has got any further for a while (a dead end that does not
    // kill): go back further each time it happens in one place, with a wider beam and more
    // randomness in the choice. False when there is nothing to go back to.
    bool set_back(bool lost) {
        ++result_.setbacks;
        if (settings_.verbose) {
            const Node& b = beam_.front();
            std::fprintf(stderr, "%s at frame %d (step %d), best at x %.0f y %.0f, beam %zu\n",
                         lost ? "lost" : "stuck", b.frames, step_, b.x, b.y, beam_.size());
        }
        if (lost_at_step_ >= 0 && step_ <= lost_at_step_ + kStallSteps + kCheckpointEvery)
            ++setbacks_here_;
        else
            setbacks_here_ = 1;
        lost_at_step_ = std::max(lost_at_step_, step_);
        width_ = std::min(settings_.max_beam, width_ * 2);
        noise_ = kNoisePerSetback * setbacks_here_;
        const int back = std::min(static_cast<int>(checkpoints_.size()) - 1, setbacks_here_);
        if (back < 0) return false;
        const Checkpoint& ck = checkpoints_[checkpoints_.size() - 1 - back];
        step_ = ck.step;
        best_step_ = step_;
        beam_ = ck.beam;
        checkpoints_.resize(checkpoints_.size() - back);
        return true;
    }

    // The best children, one of each place, make the next beam.
    void select(std::vector<Node>& children) {
        std::sort(children.begin(), children.end(),
                  [](const Node& a, const Node& b) { return a.score > b.score; });
        std::set<Key> seen;
        std::vector<Node> next;
        for (Node& c : children) {
            if (static_cast<int>(next.size()) >= width_) break;
            if (!seen.insert(c.key).second) continue;
            next.push_back(std::move(c));
        }
        beam_ = std::move(next);
        ++step_;
        if (settings_.verbose && step_ % 25 == 0) {
            const Node& b = beam_.front();
            std::fprintf(stderr,
                         "frame %d: best at x %.0f y %.0f score %.0f, beam %zu, %ld branches\n",
                         b.frames, b.x, b.y, b.score, beam_.size(), result_.branches);
        }
        if (lost_at_step_ >= 0 && step_ > lost_at_step_ + 3 * kCheckpointEvery + kStallSteps) {
            // Well past the place that was lost: back to the normal beam.
            width_ = settings_.beam;
            noise_ = 0;
            lost_at_step_ = -1;
            setbacks_here_ = 0;
        }
    }

    // The states every copy below holds.
    StatePool pool_;
    const PlayMode mode_;
    const AreaGoal& goal_;
    const SearchSettings& settings_;
    SearchResult result_;
    bool stopped_ = false;
    float start_x_ = 0;
    Node best_;  // the copy that came closest to the goal (for a search that fails)
    std::mt19937 rng_{12345};
    std::vector<Node> beam_;
    std::deque<Checkpoint> checkpoints_;
    int step_ = 0;
    int width_;
    int setbacks_here_ = 0;
    int lost_at_step_ = -1;
    double noise_ = 0;
    double best_raw_ = -1e18;
    int best_step_ = 0;
};

}  // namespace

SearchResult beam_search(PlayMode mode, const AreaGoal& goal, const SearchSettings& settings) {
    return Search(mode, goal, settings).run();
}
