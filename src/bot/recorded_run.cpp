// SPDX-License-Identifier: GPL-3.0-or-later
// The replays' recording is connected only here, after the search: the search plays millions of
// frames that no one watches, and recording none of them keeps it as fast as it is.
#include "bot/recorded_run.h"

#include "bot/replay_proof.h"
#include "replay/replay_file.h"
#include "replay/replay_session.h"

std::string recording_of_run(const std::string& replay, std::string& why) {
    static const bool installed = [] {
        install_replays();
        return true;
    }();
    (void)installed;
    record_games_in_memory();
    const ReplayProof proof = prove_replay(replay);
    const ReplayRecord record = recording_so_far();
    finish_recording();
    if (!proof.ok) {
        why = "the run does not replay: " + proof.why;
        return "";
    }
    return encode_replay(record);
}
