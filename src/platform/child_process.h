// SPDX-License-Identifier: GPL-3.0-or-later
// A program this one starts and talks to through its standard input and output, without a shell
// and without ever waiting on it: a long piece of work (the bot's check of an area) runs in a
// process of its own while the game goes on drawing its frames. The child's standard error is
// this program's. child_process_posix.cpp and child_process_windows.cpp implement it.
#pragma once

#include <memory>
#include <string>
#include <vector>

class ChildProcess {
  public:
    // Starts `program` with `args` (not including the program itself). Null, with the reason in
    // `error`, when it cannot be started (no such program, no right to run it, no pipes left).
    static std::unique_ptr<ChildProcess> Start(const std::string& program,
                                               const std::vector<std::string>& args,
                                               std::string& error);
    // Ends a child that still runs and waits for it to be gone.
    virtual ~ChildProcess() = default;

    // Sends bytes to the child's standard input; false when the child no longer reads it. The
    // pipe holds more than a request of the bot, so this does not wait on the child.
    virtual bool Send(const std::string& bytes) = 0;
    // The child reads the end of its input.
    virtual void CloseInput() = 0;
    // Appends what the child has written so far and not yet been read, without waiting.
    virtual void Receive(std::string& out) = 0;
    // True once the child has ended, with its exit status (or -1 when it was ended by a signal or
    // by End); what it wrote before it ended can still be received.
    virtual bool Ended(int& status) = 0;
    // Ends the child at once.
    virtual void End() = 0;
};

// The path of this program itself, to start it again; "" when the system does not tell.
std::string OwnProgramPath();

// The child's end: standard input and output carry bytes unchanged (Windows would otherwise turn
// line ends into two bytes and stop at a byte 26).
void UseBinaryStandardStreams();
