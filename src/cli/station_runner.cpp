// SPDX-License-Identifier: Apache-2.0
#include "cli/station_runner.h"

#include "protocol/cell_worker.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace corvane::cli {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTickMs = 100;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::clamp<decltype(left)>(left, 0, 60000));
}

// The pipe through which the worker tells this thread that it is done.
class DonePipe {
public:
    DonePipe() {
        if (::pipe2(ends_, O_CLOEXEC) != 0) {
            ends_[0] = ends_[1] = -1;
        }
    }
    DonePipe(const DonePipe&) = delete;
    DonePipe& operator=(const DonePipe&) = delete;
    ~DonePipe() {
        for (const int end : ends_) {
            if (end >= 0) {
                ::close(end);
            }
        }
    }

    bool IsOpen() const { return ends_[0] >= 0; }
    int ReadEnd() const { return ends_[0]; }
    void Signal() const {
        const char byte = 0;
        [[maybe_unused]] const auto ignored = ::write(ends_[1], &byte, 1);
    }

private:
    int ends_[2] = {-1, -1};
};

// Blocks until the worker is done, aborting its operation once: when the user interrupts, or at the deadline.
void WaitForWorker(CellWorker& worker, const DonePipe& done, int interruptFd, std::chrono::milliseconds limit,
                   OperationEnd& end, const std::function<void()>& tick) {
    const Clock::time_point deadline = Clock::now() + limit;
    pollfd fds[2] = {{done.ReadEnd(), POLLIN, 0}, {interruptFd, POLLIN, 0}};
    for (;;) {
        const bool aborted = end.interrupted || end.timedOut;
        int wait = aborted ? -1 : MillisecondsLeft(deadline);
        if (tick) {
            tick();
            wait = wait < 0 ? kTickMs : std::min(wait, kTickMs);
        }
        const int ready = ::poll(fds, interruptFd >= 0 ? 2 : 1, wait);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready > 0 && (fds[0].revents & POLLIN)) {
            return;
        }
        if (ready > 0 && (fds[1].revents & POLLIN) && !aborted) {
            end.interrupted = true;
            worker.Abort();
            fds[1].fd = -1;
            continue;
        }
        if (ready == 0 && !aborted && Clock::now() >= deadline) {
            end.timedOut = true;
            worker.Abort();
            continue;
        }
        if (ready < 0) {
            return; // poll itself failed: the caller's join waits for the worker either way
        }
    }
}

} // namespace

int RunStationOperation(const std::function<int(SocketCell*)>& operation, int interruptFd,
                        std::chrono::milliseconds limit, OperationEnd& end, std::uint32_t cellKind,
                        const std::function<void()>& tick) {
    end = {};
    const DonePipe done;
    int status = 0;
    CellWorker worker;
    const int started = worker.Start(
        [&](SocketCell* cell) {
            status = operation(cell);
            if (done.IsOpen()) {
                done.Signal();
            }
        },
        cellKind);
    if (started != 0) {
        return started;
    }
    // Without the pipe nothing can wait for an interrupt: the operation just runs to its end.
    if (done.IsOpen()) {
        WaitForWorker(worker, done, interruptFd, limit, end, tick);
    }
    worker.Join();
    return status;
}

} // namespace corvane::cli
