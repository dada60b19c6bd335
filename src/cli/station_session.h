// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/station_runner.h"
#include "config/config_record.h"
#include "protocol/discovery_datagrams.h"
#include "protocol/session.h"
#include "protocol/station_access.h"

#include <QString>
#include <chrono>
#include <functional>

namespace corvane::cli {

// One base station to talk to: its address, TCP port and session password, the UDP port it answers discovery
// on, the time one operation may take and, with --wait, the time it may take to come back after it has been
// told to restart (zero: not waited for).
struct StationTarget {
    QString host;
    StationAccess station;
    std::uint16_t discoveryPort = kDiscoveryPort;
    std::chrono::milliseconds timeout{120000};
    std::chrono::milliseconds restartWait{0};
};

// What became of an operation on one station: the tool's exit status and, for a failure, what to tell.
struct Outcome {
    int exit = 0;
    QString message;
    bool ok() const { return exit == 0; }
};

// --timeout and --wait into `target`; false with the message for a bad value.
bool ParseStationTimes(const CommandLine& arguments, StationTarget& target, QString& error);
// The address and port of "HOST[:PORT]" into `target` (the password stays).
Outcome ResolveTarget(const QString& host, StationTarget& target);
// The base station password, once for the whole command: --password-file, the terminal or standard input.
bool AskPassword(CliIo& io, const CommandLine& arguments, std::string& password, int& code);

// Runs one operation on the target within its --timeout; nothing is printed. A worker thread may call it.
Outcome AttemptOperation(const StationTarget& target, int interruptFd,
                         const std::function<int(SocketCell*)>& operation);
// Reads the target's configuration into `record`, a fresh one that reaches the same station.
Outcome ReadConfigurationOf(const StationTarget& target, int interruptFd, ConfigRecord& record);
// The station's discovery answer, asked of it alone, within `limit`.
Outcome IdentifyStation(const StationTarget& target, int interruptFd, std::chrono::milliseconds limit,
                        ConfigRecord& answer);
// --wait: until the station told to restart at `asked` answers again with a restarted up-time; `tick` as
// RunStationOperation has it.
Outcome AwaitRestart(const StationTarget& target, int interruptFd,
                     std::chrono::steady_clock::time_point asked, const std::function<void()>& tick = {});
// After `written` was written and the station restarted: reads the station back with the password the written
// configuration gives it and compares what was sent. A mismatch lists the differing properties in
// `readBack`'s terms.
Outcome CheckWritten(const StationTarget& target, int interruptFd, const ConfigRecord& written,
                     ConfigRecord& readBack);

// "corvane: message" for a failed outcome; its exit status. Interrupts are allowed while `work` runs.
int Report(CliIo& io, const Outcome& outcome);
int RunInterruptible(CliIo& io, const std::function<int()>& work);

} // namespace corvane::cli
