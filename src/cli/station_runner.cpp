#include "cli/station_runner.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace corvane::cli {

int RunStationOperation(const std::function<int(SocketCell*)>& operation, int interruptFd,
                        bool& interrupted) {
    interrupted = false;
    SocketCell* cell = nullptr;
    if (const int status = OpenSocketCell(kCellStream, 0, &cell); status != 0)
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
    pollfd fds[2] = {{done[0], POLLIN, 0}, {interruptFd, POLLIN, 0}};
    for (;;) {
        const int ready = ::poll(fds, interruptFd >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready > 0 && (fds[1].revents & POLLIN) && !interrupted) {
            interrupted = true;
            AbortSocketCell(cell, 0);
            fds[1].fd = -1; // one abort per operation
            continue;
        }
        break; // done, or poll itself failed: the join below waits for the worker either way
    }
    worker.join();
    ::close(done[0]);
    ::close(done[1]);
    CloseSocketCell(cell, 0);
    return status;
}

} // namespace corvane::cli
