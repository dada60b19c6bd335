// SPDX-License-Identifier: Apache-2.0
#include "simulated_fleet.h"

#include <QDir>
#include <arpa/inet.h>
#include <cstdlib>

namespace corvane::e2e {
namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// corvane-sim in the namespace named by `lanVariable`, its stations from the address in `firstVariable` on.
std::vector<std::string> SimulatorIn(const char* lanVariable, const char* firstVariable, int stations,
                                     const QString& stateDir, const std::vector<std::string>& extra) {
    std::vector<std::string> argv{"ip",
                                  "netns",
                                  "exec",
                                  Env(lanVariable),
                                  CORVANE_SIM_PATH,
                                  "--stations",
                                  std::to_string(stations),
                                  "--first-address",
                                  Env(firstVariable),
                                  "--state-dir",
                                  stateDir.toStdString(),
                                  "--restart-ms",
                                  "2000"};
    argv.insert(argv.end(), extra.begin(), extra.end());
    return argv;
}

} // namespace

bool InPrivateNetwork() {
    return !Env("CORVANE_LAN_NS").empty();
}

std::uint32_t StationNumber(int station) {
    in_addr address{};
    ::inet_pton(AF_INET, Env("CORVANE_FIRST_STATION").c_str(), &address);
    return ntohl(address.s_addr) + std::uint32_t(station - 1);
}

QString StationAddress(int station) {
    in_addr address{};
    address.s_addr = htonl(StationNumber(station));
    char text[INET_ADDRSTRLEN];
    return QString::fromLatin1(::inet_ntop(AF_INET, &address, text, sizeof text));
}

std::vector<std::string> SimulatorCommand(int stations, const QString& stateDir,
                                          const std::vector<std::string>& extra) {
    return SimulatorIn("CORVANE_LAN_NS", "CORVANE_FIRST_STATION", stations, stateDir, extra);
}

bool HasSecondLan() {
    return !Env("CORVANE_LAN2_NS").empty();
}

std::vector<std::string> SecondLanSimulatorCommand(int stations, const QString& stateDir,
                                                   const std::vector<std::string>& extra) {
    return SimulatorIn("CORVANE_LAN2_NS", "CORVANE_FIRST_STATION2", stations, stateDir, extra);
}

QString StatePath(const QString& stateDir, int station) {
    return QDir(stateDir).filePath(QStringLiteral("station-%1.cfg").arg(StationAddress(station)));
}

} // namespace corvane::e2e
