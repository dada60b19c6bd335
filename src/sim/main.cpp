// SPDX-License-Identifier: Apache-2.0
#include "config/program_version.h"
#include "sim/fleet.h"
#include "sim/sim_options.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <mutex>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

corvane::sim::Fleet* runningFleet = nullptr;

extern "C" void StopOnSignal(int) {
    if (runningFleet) {
        runningFleet->Stop();
    }
}

// A fleet holds two descriptors per station and one per session.
void RaiseDescriptorLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

// The file is emptied first: a longer line left from an earlier run must not trail after this one.
bool WriteReadyFile(const std::string& path, const corvane::sim::Fleet& fleet) {
    const std::string line =
        "ready " + std::to_string(fleet.DiscoveryPort()) + " " + std::to_string(fleet.SessionPort()) + "\n";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, line.data(), line.size()) == ssize_t(line.size());
    return ::close(fd) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    using namespace corvane::sim;
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << "corvane-sim " << corvane::kProgramVersion << "\n";
        return 0;
    }
    SimOptions options;
    bool help = false;
    std::string error;
    if (!ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options, help, error)) {
        std::cerr << "corvane-sim: " << error << "\n" << kSimUsage;
        return 2;
    }
    if (help) {
        std::cout << kSimUsage;
        return 0;
    }
    RaiseDescriptorLimit();

    std::mutex logMutex;
    Fleet::Log log;
    if (!options.quiet) {
        log = [&logMutex](const std::string& line) {
            std::lock_guard lock(logMutex);
            std::cout << line << std::endl;
        };
    }
    Fleet fleet(options, log);
    if (!fleet.Start(error)) {
        std::cerr << "corvane-sim: " << error << "\n";
        return 1;
    }
    runningFleet = &fleet;
    struct sigaction action {};
    action.sa_handler = StopOnSignal;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);

    if (!options.readyFile.empty() && !WriteReadyFile(options.readyFile, fleet)) {
        std::cerr << "corvane-sim: cannot write " << options.readyFile << "\n";
        return 1;
    }
    if (log) { // after the ready file: whoever waits for this line finds that file whole
        log("corvane-sim: " + std::to_string(fleet.StationCount()) + " station(s), discovery port " +
            std::to_string(fleet.DiscoveryPort()) + ", session port " + std::to_string(fleet.SessionPort()));
    }
    fleet.Run();
    runningFleet = nullptr;
    return 0;
}
