// SPDX-License-Identifier: GPL-3.0-or-later
// The check recorded its run as a game that begins at the area's announcement, so the playback
// begins it here just as it began there, whatever this game was doing, and checks every second
// of it against the check's own: a run that parts from it says so instead of showing another.
#include "editor/watch_run.h"

#include "replay/replay_file.h"
#include "replay/replay_session.h"

namespace editor {

TestPlayEnd watch_check_run(const std::string& recording, const std::vector<unsigned char>& map,
                            int level, int area) {
    TestPlayEnd end;
    ReplayRecord replay;
    std::string why;
    if (!decode_replay(recording, replay, why)) {
        end.message = "The bot's run cannot be played: " + why;
        return end;
    }
    if (replay.start_level != level || replay.start_area != area) {
        end.message = "The bot's run is of another area";
        return end;
    }
    PlaybackState state = PlaybackState::kNone;
    {
        const AuthorsGame authors(map, level, area);
        begin_playback(replay, true);
        // The game's frames run until the run ends, or the author leaves it, and every screen
        // has been left.
        watch_playback();
        end.quit = playback_window_closed();
        end.frames = playback_frame();
        state = playback_state();
        end_playback();
    }
    const std::string seconds = std::to_string(end.frames / 60) + " s";
    if (state == PlaybackState::kFinished)
        end.message = "The bot's run reached the cauldron: watched to its end (" + seconds + ")";
    else if (state == PlaybackState::kOutOfStep)
        end.message = "The bot's run went its own way after " + seconds +
                      ": it cannot be shown (C checks the area again)";
    else
        end.message = "Watching the bot's run ended after " + seconds;
    return end;
}

}  // namespace editor
