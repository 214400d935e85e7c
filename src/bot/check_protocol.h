// SPDX-License-Identifier: GPL-3.0-or-later
// What the game and the process checking an area for it say to each other through the child's
// standard input and output: the request once, then lines of progress and the answer, with the
// texts (message, replay) sent as counted bytes so that nothing in them can break a line.
#pragma once

#include <string>

#include "bot/area_check.h"

// The option that makes the game program the process that checks an area.
inline constexpr const char* kAreaCheckChildOption = "--area-check-child";

std::string encode_request(const AreaCheckRequest& request);
// False, with the reason, for anything but a whole request.
bool decode_request(const std::string& bytes, AreaCheckRequest& request, std::string& error);

// A running result as a progress line; a final one as the whole answer, ending with "done".
std::string encode_progress(const AreaCheckResult& running);
std::string encode_answer(const AreaCheckResult& result);

// Reads the child's output as it arrives, in pieces of any size.
class CheckReplyReader {
  public:
    void feed(const std::string& bytes);
    // The latest progress, or the answer once done().
    const AreaCheckResult& result() const { return result_; }
    bool done() const { return done_; }
    // Output that is not the protocol: the check cannot be trusted.
    bool broken() const { return broken_; }

  private:
    bool take_one();  // one whole item from the front of pending_; false when none is whole
    std::string pending_;
    AreaCheckResult result_;
    AreaCheckResult answer_;  // filled while the answer arrives
    bool done_ = false, broken_ = false;
};
