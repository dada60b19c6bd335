// SPDX-License-Identifier: Apache-2.0
#include "sim/station.h"

#include "protocol/discovery_datagrams.h"
#include "protocol/message_header.h"
#include "sim/state_file.h"

#include <utility>

namespace corvane::sim {

namespace {

// Locally administered addresses: 02:CB:<interface>:<index, three bytes>.
MacAddress MakeMac(std::uint8_t interfaceId, std::uint32_t index) {
    return {
        0x02, 0xCB, interfaceId, std::uint8_t(index >> 16), std::uint8_t(index >> 8), std::uint8_t(index)};
}

} // namespace

Station::Station(std::uint32_t index, std::uint32_t address, std::string statePath, FaultSet faults,
                 bool reset)
    : index_(index), address_(address), statePath_(std::move(statePath)), faults_(faults),
      wirelessMac_(MakeMac(0, index)), lanMac_(MakeMac(1, index)), wanMac_(MakeMac(2, index)), reset_(reset),
      bootTime_(Clock::now()) {
    configuration_.syNm = "Base Station " + std::to_string(index);
    configuration_.syDs = "Corvane simulated base station";
}

bool Station::LoadState(std::string& error) {
    std::lock_guard lock(mutex_);
    switch (LoadStationConfiguration(statePath_, configuration_, error)) {
    case LoadResult::Loaded:
        return true;
    case LoadResult::Missing:
        return SaveStationConfiguration(statePath_, configuration_, error);
    case LoadResult::Failed:
        break;
    }
    return false;
}

ConfigRecord Station::Configuration() const {
    std::lock_guard lock(mutex_);
    return configuration_;
}

std::string Station::SessionPassword() const {
    std::lock_guard lock(mutex_);
    return configuration_.syPW.empty() ? std::string(kFactoryPassword) : configuration_.syPW;
}

std::uint16_t Station::DiscoveryFlags() const {
    std::lock_guard lock(mutex_);
    return reset_ ? kStationFlagReset : 0;
}

std::uint32_t Station::UptimeTicks(Clock::time_point now) const {
    std::lock_guard lock(mutex_);
    const auto hundredths =
        std::chrono::duration_cast<std::chrono::milliseconds>(now - bootTime_).count() / 10;
    return std::uint32_t(hundredths);
}

bool Station::Commit(const ConfigRecord& configuration, std::string& error) {
    std::lock_guard lock(mutex_);
    if (HasFault(faults_, Fault::ForgetWrites)) {
        return true;
    }
    if (!SaveStationConfiguration(statePath_, configuration, error)) {
        return false;
    }
    // The description is the station's own, not part of a configuration.
    const std::string description = configuration_.syDs;
    configuration_ = configuration;
    configuration_.syDs = description;
    reset_ = false;
    return true;
}

bool Station::KeepImage(std::vector<std::uint8_t> block, std::string& error) {
    if (!ReplaceFileAtomically(statePath_ + ".image", block, error)) {
        return false;
    }
    std::lock_guard lock(mutex_);
    imagePending_ = true;
    return true;
}

bool Station::ImagePending() const {
    std::lock_guard lock(mutex_);
    return imagePending_;
}

void Station::BeginRestart(Clock::time_point now, std::chrono::milliseconds downTime) {
    std::lock_guard lock(mutex_);
    downUntil_ = now + downTime;
    imagePending_ = false; // the restart installs it
}

std::optional<Clock::time_point> Station::DownUntil() const {
    std::lock_guard lock(mutex_);
    return downUntil_;
}

bool Station::IsDown() const {
    std::lock_guard lock(mutex_);
    return downUntil_.has_value();
}

void Station::ComeBack(Clock::time_point now) {
    std::lock_guard lock(mutex_);
    downUntil_.reset();
    bootTime_ = now;
}

} // namespace corvane::sim
