#pragma once

#include "app/station_found_event.h"

#include <memory>
#include <mutex>
#include <vector>

class QObject;

namespace corvane {

// Carries discovery's records to a window in batches: while one event is on its way, later records join it
// instead of posting an event each, so a burst of answers costs the window one update, however fast it
// comes. The receiver must stop the posting thread before it is destroyed with events still queued.
class StationMailbox {
public:
    explicit StationMailbox(QObject* receiver) : receiver_(receiver) {}
    StationMailbox(const StationMailbox&) = delete;
    StationMailbox& operator=(const StationMailbox&) = delete;

    // On the discovery thread: takes the record; false when memory ran out (the record may be gone).
    bool Post(std::unique_ptr<ConfigRecord>& record);
    // On the receiver's thread, for an event it is handling: its records; none join that event any more.
    std::vector<std::unique_ptr<ConfigRecord>> Take(StationFoundEvent& event);

private:
    QObject* const receiver_;
    std::mutex mutex_;
    StationFoundEvent* open_ = nullptr; // posted and not yet taken
};

} // namespace corvane
