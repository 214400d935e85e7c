// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's --start and --input without the runner: the same entry, the same queue, the same
// main loop, and the sounds it plays counted as a state dump would list them.
#include "bot/replay_proof.h"

#include <algorithm>
#include <vector>

#include "bot/game_driver.h"
#include "bot/replay_files.h"
#include "shell/startup.h"
#include "sim/game_start.h"
#include "sim/input_script.h"

ReplayProof prove_replay(const std::string& replay) {
    ReplayProof p;
    ReplayHeader h;
    std::vector<InputEvent> events;
    ScriptError error;
    if (!read_replay_header(replay, h)) {
        p.why = "no '# --start L.A --frames N' header";
        return p;
    }
    if (!parse_input_script(replay, events, error)) {
        p.why = "line " + std::to_string(error.line) + ": " + error.message;
        return p;
    }
    load_state(booted_state());
    begin_game_at(h.level, h.area, 1);
    HeadlessQueueEvents(events);
    bool died = false;
    while (FrameNumber() < h.frames) {
        if (!main_loop_frame()) break;
        for (const std::string& s : TakeSoundEvents()) {
            if (s == "snd_jump") ++p.jumps;
            if (s == "snd_powerdwn") ++p.power_losses;
            if (s.compare(0, 10, "snd_jdeath") == 0) died = true;
        }
    }
    if (FrameNumber() != h.frames)
        p.why = "the game ended at frame " + std::to_string(FrameNumber());
    else if (game.state != game_tag::kLevelEnd)
        p.why = "state " + std::to_string(game.state) + ", not 4";
    else if (h.area == 3 && game.item != 1)
        p.why = "the magic item was not taken";
    else if (hero().lives != 3)
        p.why = "lives " + std::to_string(hero().lives) + ", not 3";
    else if (died)
        p.why = "the hero died on the way";
    else
        p.ok = true;
    return p;
}
