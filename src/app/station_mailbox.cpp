#include "app/station_mailbox.h"

#include <QCoreApplication>
#include <new>

namespace corvane {

bool StationMailbox::Post(std::unique_ptr<ConfigRecord>& record) {
    std::lock_guard lock(mutex_);
    try {
        if (open_ != nullptr) {
            open_->records.push_back(std::move(record));
            return true;
        }
        auto event = std::make_unique<StationFoundEvent>(std::move(record));
        open_ = event.get();
        QCoreApplication::postEvent(receiver_, event.release());
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

std::vector<std::unique_ptr<ConfigRecord>> StationMailbox::Take(StationFoundEvent& event) {
    std::lock_guard lock(mutex_);
    if (open_ == &event) {
        open_ = nullptr;
    }
    return std::move(event.records);
}

} // namespace corvane
