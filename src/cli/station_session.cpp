// SPDX-License-Identifier: Apache-2.0
#include "cli/station_session.h"

#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/password_input.h"
#include "cli/typed_host.h"
#include "config/status_codes.h"
#include "properties/property_diff.h"
#include "protocol/discovery_datagrams.h"
#include "protocol/host_resolution.h"
#include "protocol/message_header.h"
#include "protocol/station_operations.h"
#include "protocol/unicast_discovery.h"

namespace corvane::cli {

namespace {

constexpr double kMaxSeconds = 24 * 3600;
constexpr std::chrono::seconds kDefaultRestartWait{60};

// A number of seconds above 0 (and at most a day) as milliseconds; nullopt for anything else.
std::optional<std::chrono::milliseconds> ParseSeconds(const QString& text) {
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !(seconds > 0) || seconds > kMaxSeconds) {
        return std::nullopt;
    }
    return std::max(std::chrono::milliseconds(1), std::chrono::milliseconds(qint64(seconds * 1000)));
}

QString Seconds(std::chrono::milliseconds time) {
    return QString::number(double(time.count()) / 1000);
}

Outcome FailureOutcome(const StationTarget& target, int status, const OperationEnd& end) {
    if (end.timedOut && status == socket_status::kAborted) {
        return {kExitStationFailed,
                QStringLiteral("%1: %2\nThe base station did not finish within %3 s (see --timeout).")
                    .arg(target.host, StationFailureText(socket_status::kTimedOut), Seconds(target.timeout))};
    }
    const int code = status == session_status::kWrongPassword               ? kExitWrongPassword
                     : end.interrupted && status == socket_status::kAborted ? kExitInterrupted
                                                                            : kExitStationFailed;
    return {code, QStringLiteral("%1: %2").arg(target.host, StationFailureText(status))};
}

} // namespace

bool ParseStationTimes(const CommandLine& arguments, StationTarget& target, QString& error) {
    if (arguments.Has(kTimeoutOption)) {
        const auto timeout = ParseSeconds(arguments.Value(kTimeoutOption));
        if (!timeout) {
            error = QStringLiteral("--timeout takes a number of seconds above 0");
            return false;
        }
        target.timeout = *timeout;
    }
    if (arguments.Has(kWaitOption)) {
        const QString value = arguments.Value(kWaitOption);
        const auto wait =
            value.isEmpty() ? std::chrono::milliseconds(kDefaultRestartWait) : ParseSeconds(value);
        if (!wait) {
            error = QStringLiteral("--wait takes a number of seconds above 0 (--wait=SECONDS)");
            return false;
        }
        target.restartWait = *wait;
    }
    return true;
}

Outcome ResolveTarget(const QString& host, StationTarget& target) {
    target.host = host;
    TypedHost typed;
    QString error;
    if (!ParseTypedHost(host, typed, error)) {
        return {kExitUsage, error};
    }
    if (!typed.name.isEmpty()) {
        const QByteArray name = typed.name.toUtf8();
        AddressRecord address;
        std::uint16_t ignored = 0; // a name's port is the one typed, read above
        if (const int status = ResolveHost(nullptr, name.constData(), 0, 0, &address, &ignored);
            status != 0) {
            return FailureOutcome(target, status, {});
        }
        typed.address = address.address;
    }
    target.station.address = typed.address;
    target.station.port = typed.port != 0 ? typed.port : kStationPort;
    return {};
}

bool AskPassword(CliIo& io, const CommandLine& arguments, std::string& password, int& code) {
    QString error;
    const auto secret = ReadSecret(io, arguments.Value(kPasswordFileOption),
                                   QStringLiteral("Base station password: "), error);
    if (!secret) {
        code = Fail(io, kExitInvalidInput, error);
        return false;
    }
    password = *secret;
    return true;
}

Outcome AttemptOperation(const StationTarget& target, int interruptFd,
                         const std::function<int(SocketCell*)>& operation) {
    OperationEnd end;
    const int status = RunStationOperation(operation, interruptFd, target.timeout, end);
    return status == 0 ? Outcome{} : FailureOutcome(target, status, end);
}

Outcome ReadConfigurationOf(const StationTarget& target, int interruptFd, ConfigRecord& record) {
    record.stationAddress = target.station.address;
    record.adminPassword = target.station.password;
    return AttemptOperation(target, interruptFd, [&](SocketCell* cell) {
        return ReadStationConfiguration(target.station, record, cell);
    });
}

Outcome IdentifyStation(const StationTarget& target, int interruptFd, std::chrono::milliseconds limit,
                        ConfigRecord& answer) {
    OperationEnd end;
    const int status = RunStationOperation(
        [&](SocketCell* cell) {
            return AskStation(cell, target.station.address, target.discoveryPort, std::nullopt, answer);
        },
        interruptFd, limit, end, kCellDatagram);
    if (status == 0) {
        return {};
    }
    if (end.timedOut) {
        return {kExitStationFailed,
                QStringLiteral("%1: the base station did not answer discovery within %2 s")
                    .arg(target.host, Seconds(limit))};
    }
    return FailureOutcome(target, status, end);
}

Outcome AwaitRestart(const StationTarget& target, int interruptFd,
                     std::chrono::steady_clock::time_point asked, const std::function<void()>& tick) {
    ConfigRecord answer;
    OperationEnd end;
    const int status = RunStationOperation(
        [&](SocketCell* cell) {
            return AskStation(cell, target.station.address, target.discoveryPort, asked, answer);
        },
        interruptFd, target.restartWait, end, kCellDatagram, tick);
    if (status == 0) {
        return {};
    }
    if (end.timedOut) {
        return {kExitNotBack, QStringLiteral("%1: the base station did not come back within %2 s of its "
                                             "restart (see --wait=SECONDS)")
                                  .arg(target.host, Seconds(target.restartWait))};
    }
    return FailureOutcome(target, status, end);
}

Outcome CheckWritten(const StationTarget& target, int interruptFd, const ConfigRecord& written,
                     ConfigRecord& readBack) {
    // From now on the station asks for the password just written; an empty one leaves its factory password.
    StationTarget restarted = target;
    restarted.station.password = written.syPW.empty() ? kFactoryPassword : written.syPW;
    if (Outcome read = ReadConfigurationOf(restarted, interruptFd, readBack); !read.ok()) {
        return read;
    }
    const auto differing = DifferingProperties(written, readBack);
    if (differing.empty()) {
        return {};
    }
    return {kExitMismatch,
            QStringLiteral("%1: the base station came back with %2 propert%3 other than written")
                .arg(target.host, QString::number(differing.size()),
                     differing.size() == 1 ? QStringLiteral("y") : QStringLiteral("ies"))};
}

int Report(CliIo& io, const Outcome& outcome) {
    return outcome.ok() ? kExitSuccess : Fail(io, outcome.exit, outcome.message);
}

int RunInterruptible(CliIo& io, const std::function<int()>& work) {
    if (io.interruptible) {
        io.interruptible(true);
    }
    const int exit = work();
    if (io.interruptible) {
        io.interruptible(false);
    }
    return exit;
}

} // namespace corvane::cli
