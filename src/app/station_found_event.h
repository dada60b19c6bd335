#pragma once

#include "config/config_record.h"

#include <QEvent>
#include <memory>

namespace corvane {

// WM_STATION_FOUND: a station discovery found, posted to the chooser. The record travels inside the event, so
// an event that is never delivered (its receiver is gone) frees it with itself.
inline constexpr QEvent::Type kStationFoundEvent = static_cast<QEvent::Type>(QEvent::User + 0x100);

class StationFoundEvent : public QEvent {
public:
    explicit StationFoundEvent(std::unique_ptr<ConfigRecord> found)
        : QEvent(kStationFoundEvent), record(std::move(found)) {}

    std::unique_ptr<ConfigRecord> record;
};

} // namespace corvane
