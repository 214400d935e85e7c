// SPDX-License-Identifier: GPL-3.0-or-later
// One check from request to answer; the game's frame counter decides the replay's frame numbers,
// so the replay is the script varnoth-sim would be given.
#include "bot/area_search.h"

#include <algorithm>
#include <cmath>

#include "bot/beam_search.h"
#include "bot/checked_map.h"
#include "bot/replay_files.h"
#include "bot/replay_proof.h"
#include "bot/unreached.h"

namespace {

constexpr double kFramesPerSecond = 60.0;

bool valid_area(const AreaCheckRequest& r) {
    return r.level >= 1 && r.level <= 5 && r.area >= 1 && r.area <= 3;
}

AreaCheckReport failed(const std::string& why) {
    AreaCheckReport report;
    report.result.outcome = AreaCheckResult::Outcome::kFailed;
    report.result.message = why;
    return report;
}

}  // namespace

std::string won_message(int play_frames) {
    const long seconds = std::lround(play_frames / kFramesPerSecond);
    return "can be won: the bot reached the cauldron in " + std::to_string(seconds) + " s of play";
}

std::string no_way_message(long branches) {
    return "no way to the cauldron found in " + std::to_string(branches) + " branches";
}

AreaCheckReport check_area(const AreaCheckRequest& request,
                           const std::function<bool(const AreaCheckResult&)>& on_progress) {
    if (!valid_area(request))
        return failed("no area " + std::to_string(request.level) + "." +
                      std::to_string(request.area));
    const CheckedMap map(request.level, request.area, request.compiled_map);
    if (!map.ok()) return failed(map.error());

    start_area(request.level, request.area);
    const int first_frame = FrameNumber() + 1;
    const AreaGoal goal = AreaGoal::of_live_area(PlayMode::kArea);
    SearchSettings settings;
    settings.branch_budget = request.branch_budget;
    if (on_progress) {
        settings.on_progress = [&](const SearchProgress& p) {
            AreaCheckResult running;
            running.branches = static_cast<int>(p.branches);
            const float spent = static_cast<float>(p.branches) / settings.budget();
            running.progress = std::max(spent, p.way);
            return on_progress(running);
        };
    }
    const SearchResult found = beam_search(PlayMode::kArea, goal, settings);

    AreaCheckReport report;
    report.deaths_avoided = found.deaths_avoided;
    report.setbacks = found.setbacks;
    AreaCheckResult& r = report.result;
    r.branches = static_cast<int>(found.branches);
    if (found.stopped) {
        r.outcome = AreaCheckResult::Outcome::kCancelled;
        r.message = "the check was cancelled";
        return report;
    }
    if (!found.solved) {
        r.outcome = AreaCheckResult::Outcome::kNoWay;
        r.progress = found.way;
        r.message = no_way_message(found.branches);
        r.unreached = unreached_cells(request.level, request.area, found.best_moves);
        return report;
    }
    const int frames = static_cast<int>(found.moves.size());
    const ReplayHeader header{request.level, request.area, first_frame + frames - 1};
    r.replay =
        replay_text(header, replay_note(request.level, request.area), first_frame, found.moves);
    const ReplayProof proof = prove_replay(r.replay);
    if (!proof.ok) return failed("the bot's run does not replay: " + proof.why);
    report.moves = found.moves;
    report.jumps = proof.jumps;
    report.power_losses = proof.power_losses;
    r.outcome = AreaCheckResult::Outcome::kWon;
    r.progress = 1;
    r.play_frames = frames;
    r.message = won_message(frames);
    r.unreached = unreached_cells(request.level, request.area, found.moves);
    return report;
}
