// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "protocol/record_mailbox.h"

#include <QEvent>
#include <memory>

namespace corvane {

// WM_STATION_FOUND: stations discovery found, posted to the chooser. The records travel inside the event, so
// an event that is never delivered (its receiver is gone) frees them with itself. One event may carry a whole
// burst of answers (see StationMailbox).
inline constexpr QEvent::Type kStationFoundEvent = static_cast<QEvent::Type>(QEvent::User + 0x100);

class StationFoundEvent : public QEvent, public RecordBatch {
public:
    explicit StationFoundEvent(std::unique_ptr<ConfigRecord> found) : QEvent(kStationFoundEvent) {
        records.push_back(std::move(found));
    }
};

} // namespace corvane
