// SPDX-License-Identifier: GPL-3.0-or-later
// A child process on Linux and other POSIX systems: posix_spawn (no shell, and safe in a program
// with threads), a socket for the child's standard input (so that writing to a child that has
// gone gives an error, not a signal that would end this program) and a non-blocking pipe for
// its standard output.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/child_process.h"

extern char** environ;

namespace {

void close_on_exec(int fd) {
    fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);
}

void close_fd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

class PosixChild : public ChildProcess {
  public:
    PosixChild(pid_t pid, int in, int out) : pid_(pid), in_(in), out_(out) {}
    ~PosixChild() override {
        if (!ended_) End();
        close_fd(in_);
        close_fd(out_);
    }

    bool Send(const std::string& bytes) override {
        size_t sent = 0;
        while (in_ >= 0 && sent < bytes.size()) {
            const ssize_t n = send(in_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            sent += static_cast<size_t>(n);
        }
        return in_ >= 0;
    }

    void CloseInput() override { close_fd(in_); }

    void Receive(std::string& out) override {
        char buf[65536];
        while (out_ >= 0) {
            const ssize_t n = read(out_, buf, sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
            if (n <= 0) {
                close_fd(out_);  // the child's end is closed: all it wrote has been read
                return;
            }
            out.append(buf, static_cast<size_t>(n));
        }
    }

    bool Ended(int& status) override {
        if (!ended_) {
            int raw = 0;
            pid_t r;
            do {
                r = waitpid(pid_, &raw, WNOHANG);
            } while (r < 0 && errno == EINTR);
            if (r == 0) return false;
            ended_ = true;
            status_ = r == pid_ && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        }
        status = status_;
        return true;
    }

    void End() override {
        if (ended_) return;
        kill(pid_, SIGKILL);
        int raw = 0;
        while (waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
        }
        ended_ = true;
        status_ = -1;
    }

  private:
    pid_t pid_;
    int in_, out_;
    bool ended_ = false;
    int status_ = 0;
};

}  // namespace

std::unique_ptr<ChildProcess> ChildProcess::Start(const std::string& program,
                                                  const std::vector<std::string>& args,
                                                  std::string& error) {
    int in[2] = {-1, -1}, out[2] = {-1, -1};
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, in) != 0 || pipe(out) != 0) {
        error = std::string("no pipe for the child: ") + std::strerror(errno);
        for (int& fd : in) close_fd(fd);
        return nullptr;
    }
    for (int fd : {in[0], in[1], out[0], out[1]}) close_on_exec(fd);
    fcntl(out[0], F_SETFL, fcntl(out[0], F_GETFL) | O_NONBLOCK);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[1], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close_fd(in[1]);
    close_fd(out[1]);
    if (rc != 0) {
        error = "cannot start " + program + ": " + std::strerror(rc);
        close_fd(in[0]);
        close_fd(out[0]);
        return nullptr;
    }
    return std::make_unique<PosixChild>(pid, in[0], out[0]);
}

std::string OwnProgramPath() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

void UseBinaryStandardStreams() {}
