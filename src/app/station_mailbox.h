// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/record_mailbox.h"

class QObject;

namespace corvane {

// Discovery's records to a window: each batch travels as a StationFoundEvent posted to the receiver, which
// takes its records with Take. The receiver must stop discovery before it is destroyed with events still
// queued; an event never delivered frees its records with itself.
class StationMailbox : public RecordMailbox {
public:
    explicit StationMailbox(QObject* receiver);
};

} // namespace corvane
