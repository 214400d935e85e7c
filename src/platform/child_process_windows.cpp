// SPDX-License-Identifier: GPL-3.0-or-later
// A child process on Windows: CreateProcessW with anonymous pipes for its standard input and
// output (only the child's ends inheritable), no console window, and reading only what
// PeekNamedPipe says is there, so that nothing waits on the child.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/child_process.h"
#include "platform/windows_api.h"

namespace {

constexpr DWORD kPipeBytes = 1 << 20;  // more than any request, so that sending never waits

std::string utf8(const std::wstring& w) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    s.pop_back();  // the terminator counted by the call
    return s;
}

// One argument as the C runtime of the child splits its command line again: quoted, with
// backslashes doubled before a quote and before the closing quote.
std::wstring quoted(const std::wstring& arg) {
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, L'\\');
    out.push_back(L'"');
    return out;
}

void close_handle(HANDLE& h) {
    if (h != nullptr && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    h = nullptr;
}

std::string last_error() {
    return "Windows error " + std::to_string(GetLastError());
}

class WindowsChild : public ChildProcess {
  public:
    WindowsChild(HANDLE process, HANDLE in, HANDLE out) : process_(process), in_(in), out_(out) {}
    ~WindowsChild() override {
        if (!ended_) End();
        close_handle(in_);
        close_handle(out_);
        close_handle(process_);
    }

    bool Send(const std::string& bytes) override {
        size_t sent = 0;
        while (in_ != nullptr && sent < bytes.size()) {
            DWORD n = 0;
            if (!WriteFile(in_, bytes.data() + sent, static_cast<DWORD>(bytes.size() - sent), &n,
                           nullptr) ||
                n == 0)
                return false;
            sent += n;
        }
        return in_ != nullptr;
    }

    void CloseInput() override { close_handle(in_); }

    void Receive(std::string& out) override {
        char buf[65536];
        while (out_ != nullptr) {
            DWORD available = 0;
            if (!PeekNamedPipe(out_, nullptr, 0, nullptr, &available, nullptr)) {
                close_handle(out_);  // the child's end is closed: all it wrote has been read
                return;
            }
            if (available == 0) return;
            DWORD n = 0;
            const DWORD want = available < sizeof buf ? available : static_cast<DWORD>(sizeof buf);
            if (!ReadFile(out_, buf, want, &n, nullptr) || n == 0) {
                close_handle(out_);
                return;
            }
            out.append(buf, n);
        }
    }

    bool Ended(int& status) override {
        if (!ended_) {
            if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) return false;
            DWORD code = 0;
            ended_ = true;
            status_ = GetExitCodeProcess(process_, &code) ? static_cast<int>(code) : -1;
        }
        status = status_;
        return true;
    }

    void End() override {
        if (ended_) return;
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);
        ended_ = true;
        status_ = -1;
    }

  private:
    HANDLE process_, in_, out_;
    bool ended_ = false;
    int status_ = 0;
};

}  // namespace

std::unique_ptr<ChildProcess> ChildProcess::Start(const std::string& program,
                                                  const std::vector<std::string>& args,
                                                  std::string& error) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE in_read = nullptr, in_write = nullptr, out_read = nullptr, out_write = nullptr;
    if (!CreatePipe(&in_read, &in_write, &inherit, kPipeBytes) ||
        !CreatePipe(&out_read, &out_write, &inherit, kPipeBytes)) {
        error = "no pipe for the child: " + last_error();
        for (HANDLE* h : {&in_read, &in_write, &out_read, &out_write}) close_handle(*h);
        return nullptr;
    }
    // This program's ends stay here.
    SetHandleInformation(in_write, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);

    const std::wstring path = plat::wide(program);
    std::wstring line = quoted(path);
    for (const std::string& a : args) line += L" " + quoted(plat::wide(a));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in_read;
    startup.hStdOutput = out_write;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
    const std::string why = started ? std::string() : last_error();
    close_handle(in_read);
    close_handle(out_write);
    if (!started) {
        error = "cannot start " + program + ": " + why;
        close_handle(in_write);
        close_handle(out_read);
        return nullptr;
    }
    CloseHandle(info.hThread);
    return std::make_unique<WindowsChild>(info.hProcess, in_write, out_read);
}

std::string OwnProgramPath() {
    std::wstring buf(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0 || n >= buf.size()) return std::string();
    buf.resize(n);
    return utf8(buf);
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}
