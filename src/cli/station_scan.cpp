// SPDX-License-Identifier: Apache-2.0
#include "cli/station_scan.h"

#include "config/station_key.h"
#include "protocol/discovery.h"
#include "protocol/dotted_quad.h"
#include "protocol/host_resolution.h"

#include <algorithm>
#include <new>
#include <set>
#include <utility>

namespace corvane::cli {

bool ParseScanTarget(const CommandLine& arguments, ScanTarget& target, QString& error) {
    target = {kDiscoveryTarget, kDiscoveryPort};
    if (!arguments.Has(kTargetOption)) {
        return true;
    }
    std::uint32_t address = 0;
    std::uint16_t port = 0;
    const QByteArray text = arguments.Value(kTargetOption).toUtf8();
    if (!ParseWholeDottedQuad({text.constData(), std::size_t(text.size())}, true, address, port)) {
        error = QStringLiteral("--target needs ADDR[:PORT] with a dotted-quad address");
        return false;
    }
    target = {FormatDottedQuad(address), port != 0 ? port : kDiscoveryPort};
    return true;
}

int ScanStations(const ScanTarget& target, std::vector<std::unique_ptr<ConfigRecord>>& stations) {
    std::set<StationKey> listed; // looked up at the pace answers arrive
    Discovery discovery;
    const int status = StartDiscovery(
        discovery,
        [&stations, &listed](std::unique_ptr<ConfigRecord>& record) {
            try {
                if (listed.insert(KeyOf(*record)).second) {
                    stations.push_back(std::move(record));
                }
            } catch (const std::bad_alloc&) {
                return false; // the scan ends with what was listed
            }
            return true;
        },
        target.address, target.port);
    if (status != 0) {
        return status;
    }
    WaitForScanEnd(discovery); // the one scan that StartDiscovery asked for
    StopDiscovery(discovery);
    std::sort(stations.begin(), stations.end(),
              [](const auto& a, const auto& b) { return a->stationAddress < b->stationAddress; });
    return 0;
}

} // namespace corvane::cli
