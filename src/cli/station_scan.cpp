#include "cli/station_scan.h"

#include "protocol/discovery.h"
#include "protocol/dotted_quad.h"
#include "protocol/host_resolution.h"

#include <algorithm>

namespace corvane::cli {

const QString kTargetOption = QStringLiteral("--target");

bool ParseScanTarget(const Arguments& arguments, ScanTarget& target, QString& error) {
    target = {kDiscoveryTarget, kDiscoveryPort};
    if (!arguments.Has(kTargetOption))
        return true;
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
    Discovery discovery;
    const int status = StartDiscovery(
        discovery,
        [&stations](std::unique_ptr<ConfigRecord>& record) {
            const bool listed = std::any_of(stations.begin(), stations.end(),
                                            [&](const auto& known) { return SameStation(*known, *record); });
            if (!listed)
                stations.push_back(std::move(record));
            return true;
        },
        target.address, target.port);
    if (status != 0)
        return status;
    WaitForScanEnd(discovery); // the one scan that StartDiscovery asked for
    StopDiscovery(discovery);
    std::sort(stations.begin(), stations.end(),
              [](const auto& a, const auto& b) { return a->stationAddress < b->stationAddress; });
    return 0;
}

} // namespace corvane::cli
