// SPDX-License-Identifier: Apache-2.0
#include "child_process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace corvane::e2e {

namespace {

// Starts argv with its standard streams on new pipes; the parent's ends are returned (stdin write end, stdout
// and stderr read ends; stderr joins stdout when `mergeErrors`).
pid_t Spawn(const std::vector<std::string>& argv, int& in, int& out, int& err, bool mergeErrors) {
    int inPipe[2], outPipe[2], errPipe[2];
    if (::pipe2(inPipe, O_CLOEXEC) != 0 || ::pipe2(outPipe, O_CLOEXEC) != 0 ||
        ::pipe2(errPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, inPipe[0], 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, mergeErrors ? outPipe[1] : errPipe[1], 2);
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = -1;
    const int status = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(inPipe[0]);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (status != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
    in = inPipe[1];
    out = outPipe[0];
    err = errPipe[0];
    return pid;
}

void WriteInput(int fd, const std::string& input) {
    std::size_t at = 0;
    while (at < input.size()) {
        const ssize_t written = ::write(fd, input.data() + at, input.size() - at);
        if (written <= 0) {
            break;
        }
        at += std::size_t(written);
    }
    ::close(fd);
}

int WaitForExit(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

} // namespace

Finished RunProgram(const std::vector<std::string>& argv, const std::string& input) {
    int in = -1, out = -1, err = -1;
    const pid_t pid = Spawn(argv, in, out, err, false);
    WriteInput(in, input);
    Finished finished;
    pollfd fds[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
    std::string* sinks[2] = {&finished.out, &finished.err};
    int open = 2;
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) {
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !fds[i].revents) {
                continue;
            }
            char buffer[4096];
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, std::size_t(got));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    finished.exit = WaitForExit(pid);
    return finished;
}

RunningProgram::RunningProgram(const std::vector<std::string>& argv, const std::string& input) {
    int in = -1, out = -1, err = -1;
    pid_ = Spawn(argv, in, out, err, true);
    ::close(err);
    WriteInput(in, input);
    reader_ = std::thread([this, out] {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(out, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            std::lock_guard lock(mutex_);
            if (got <= 0) {
                ended_ = true;
                changed_.notify_all();
                break;
            }
            output_.append(buffer, std::size_t(got));
            changed_.notify_all();
        }
        ::close(out);
    });
}

RunningProgram::~RunningProgram() {
    if (exit_ < 0) {
        Signal(SIGTERM);
        Wait();
    }
}

namespace {
int Occurrences(const std::string& haystack, const std::string& needle) {
    int count = 0;
    for (auto at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1)) {
        ++count;
    }
    return count;
}
} // namespace

bool RunningProgram::WaitForLine(const std::string& text, int count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return Occurrences(output_, text) >= count || ended_; });
    return Occurrences(output_, text) >= count;
}

int RunningProgram::CountOf(const std::string& text) {
    std::lock_guard lock(mutex_);
    return Occurrences(output_, text);
}

void RunningProgram::Signal(int signal) const {
    ::kill(pid_, signal);
}

int RunningProgram::Wait() {
    if (exit_ < 0) {
        exit_ = WaitForExit(pid_);
        reader_.join();
    }
    return exit_;
}

std::string RunningProgram::Output() {
    std::lock_guard lock(mutex_);
    return output_;
}

} // namespace corvane::e2e
