// SPDX-License-Identifier: Apache-2.0
#include "app/station_mailbox.h"

#include "app/station_found_event.h"

#include <QCoreApplication>

namespace corvane {

StationMailbox::StationMailbox(QObject* receiver)
    : RecordMailbox([receiver](std::unique_ptr<ConfigRecord> record) -> RecordBatch& {
          auto event = std::make_unique<StationFoundEvent>(std::move(record));
          RecordBatch& batch = *event;
          QCoreApplication::postEvent(receiver, event.release());
          return batch;
      }) {}

} // namespace corvane
