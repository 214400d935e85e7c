// SPDX-License-Identifier: GPL-3.0-or-later
// The check runs in a child process of the game program itself, with its own copy of the whole
// game: the caller's game, frames and state are never touched, and cancelling ends the child.
#include "bot/area_check.h"

#include "bot/check_protocol.h"
#include "platform/child_process.h"

struct AreaCheck::Impl {
    std::unique_ptr<ChildProcess> child;
    CheckReplyReader reader;
    AreaCheckResult result;

    void finish(AreaCheckResult::Outcome outcome, const std::string& message) {
        result = AreaCheckResult{};
        result.outcome = outcome;
        result.message = message;
        child.reset();
    }
};

AreaCheck::AreaCheck() : impl_(std::make_unique<Impl>()) {
    impl_->result.outcome = AreaCheckResult::Outcome::kCancelled;
    impl_->result.message = "no check has been started";
}

AreaCheck::~AreaCheck() = default;

bool AreaCheck::start(const AreaCheckRequest& request) {
    cancel();
    Impl& m = *impl_;
    m.reader = CheckReplyReader{};
    m.result = AreaCheckResult{};
    const std::string program = request.program.empty() ? OwnProgramPath() : request.program;
    std::string error;
    m.child = ChildProcess::Start(program, {kAreaCheckChildOption}, error);
    if (!m.child) {
        m.finish(AreaCheckResult::Outcome::kFailed, "the check cannot start: " + error);
        return false;
    }
    // The child takes its whole request before anything else; a child that is gone already
    // shows in poll().
    m.child->Send(encode_request(request));
    m.child->CloseInput();
    return true;
}

AreaCheckResult AreaCheck::poll() {
    Impl& m = *impl_;
    if (!m.child) return m.result;
    int status = 0;
    const bool ended = m.child->Ended(status);
    std::string bytes;
    m.child->Receive(bytes);  // after Ended: all the child wrote before it ended
    m.reader.feed(bytes);
    if (m.reader.done()) {
        m.result = m.reader.result();
        m.child.reset();
    } else if (m.reader.broken()) {
        m.finish(AreaCheckResult::Outcome::kFailed, "the check answered what it cannot mean");
    } else if (ended) {
        m.finish(
            AreaCheckResult::Outcome::kFailed,
            "the check stopped without an answer (exit status " + std::to_string(status) + ")");
    } else {
        m.result.branches = m.reader.result().branches;
        m.result.progress = m.reader.result().progress;
    }
    return m.result;
}

void AreaCheck::cancel() {
    if (!impl_->child) return;
    impl_->finish(AreaCheckResult::Outcome::kCancelled, "the check was cancelled");
}
