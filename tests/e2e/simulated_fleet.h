// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane::e2e {

// The simulated base stations of the private test network (scripts/privnet.sh) as the desktop tests reach
// them: station n (1-based) answers at the network's first station address plus n - 1.

// Set by scripts/privnet.sh: outside it there is no fleet to reach.
bool InPrivateNetwork();
std::uint32_t StationNumber(int station);
QString StationAddress(int station);

// The command that starts corvane-sim in the lan namespace with `stations` stations, each keeping its
// configuration in `stateDir` and back two seconds after a restart; `extra` adds options.
std::vector<std::string> SimulatorCommand(int stations, const QString& stateDir,
                                          const std::vector<std::string>& extra = {});
// Set by `scripts/privnet.sh --second-lan`: a second station LAN behind the client's other network card.
bool HasSecondLan();
// As SimulatorCommand, in the second LAN from its own first station address on.
std::vector<std::string> SecondLanSimulatorCommand(int stations, const QString& stateDir,
                                                   const std::vector<std::string>& extra = {});
// The file in which the simulator keeps the station's configuration.
QString StatePath(const QString& stateDir, int station);

} // namespace corvane::e2e
