#include "cli/station_runner.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace corvane::cli {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTickMs = 100;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::clamp<decltype(left)>(left, 0, 60000));
}

} // namespace

int RunStationOperation(const std::function<int(SocketCell*)>& operation, int interruptFd,
                        std::chrono::milliseconds limit, OperationEnd& end, std::uint32_t cellKind,
                        const std::function<void()>& tick) {
    end = {};
    SocketCell* cell = nullptr;
    if (const int status = OpenSocketCell(cellKind, 0, &cell); status != 0)
        return status;
    int done[2];
    if (::pipe2(done, O_CLOEXEC) != 0) {
        const int status = operation(cell); // no way to wait for an interrupt: run it here
        CloseSocketCell(cell, 0);
        return status;
    }
    int status = 0;
    std::thread worker([&] {
        status = operation(cell);
        const char byte = 0;
        [[maybe_unused]] const auto ignored = ::write(done[1], &byte, 1);
    });
    const Clock::time_point deadline = Clock::now() + limit;
    pollfd fds[2] = {{done[0], POLLIN, 0}, {interruptFd, POLLIN, 0}};
    for (;;) {
        const bool aborted = end.interrupted || end.timedOut;
        int wait = aborted ? -1 : MillisecondsLeft(deadline);
        if (tick) {
            tick();
            wait = wait < 0 ? kTickMs : std::min(wait, kTickMs);
        }
        const int ready = ::poll(fds, interruptFd >= 0 ? 2 : 1, wait);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready > 0 && (fds[0].revents & POLLIN))
            break;
        // One abort per operation: by the user, or by the deadline.
        if (ready > 0 && (fds[1].revents & POLLIN) && !aborted) {
            end.interrupted = true;
            AbortSocketCell(cell, 0);
            fds[1].fd = -1;
            continue;
        }
        if (ready == 0 && !aborted && Clock::now() >= deadline) {
            end.timedOut = true;
            AbortSocketCell(cell, 0);
            continue;
        }
        if (ready < 0)
            break; // poll itself failed: the join below waits for the worker either way
    }
    worker.join();
    ::close(done[0]);
    ::close(done[1]);
    CloseSocketCell(cell, 0);
    return status;
}

} // namespace corvane::cli
