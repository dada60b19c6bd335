// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "sim/fault.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace corvane::sim {

using Clock = std::chrono::steady_clock;

// One simulated base station: identity, configuration (kept in its file), restart state and faults.
// Sessions run on their own threads and the event loop on another, so every member is behind the mutex.
class Station {
public:
    Station(std::uint32_t index, std::uint32_t address, std::string statePath, FaultSet faults, bool reset);
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    // Reads the station's configuration file, or writes a fresh one when there is none.
    bool LoadState(std::string& error);

    std::uint32_t Index() const { return index_; }
    std::uint32_t Address() const { return address_; }
    FaultSet Faults() const { return faults_; }
    const std::string& StatePath() const { return statePath_; }
    const MacAddress& WirelessMac() const { return wirelessMac_; }
    const MacAddress& LanMac() const { return lanMac_; }
    const MacAddress& WanMac() const { return wanMac_; }

    ConfigRecord Configuration() const;
    // The password sessions must carry: syPW, or the factory password while it is empty.
    std::string SessionPassword() const;
    std::uint16_t DiscoveryFlags() const;
    // Hundredths of a second since the station last started.
    std::uint32_t UptimeTicks(Clock::time_point now) const;

    // Saves the configuration file first and takes the new configuration only when that worked.
    bool Commit(const ConfigRecord& configuration, std::string& error);
    // Keeps an uploaded software block (saved beside the configuration) until the next restart installs it.
    bool KeepImage(std::vector<std::uint8_t> block, std::string& error);
    bool ImagePending() const;

    // Unreachable from now for `downTime`; the event loop brings it back with ComeBack.
    void BeginRestart(Clock::time_point now, std::chrono::milliseconds downTime);
    std::optional<Clock::time_point> DownUntil() const;
    bool IsDown() const;
    void ComeBack(Clock::time_point now);

private:
    const std::uint32_t index_;
    const std::uint32_t address_;
    const std::string statePath_;
    const FaultSet faults_;
    MacAddress wirelessMac_{}, lanMac_{}, wanMac_{};

    mutable std::mutex mutex_;
    ConfigRecord configuration_;
    bool reset_;
    bool imagePending_ = false;
    Clock::time_point bootTime_;
    std::optional<Clock::time_point> downUntil_;
};

} // namespace corvane::sim
