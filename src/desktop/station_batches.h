// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "runner/station_batch.h"

#include <QString>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QWidget;

namespace corvane {

class ConfigRecord;

// Commands on several base stations at once, for the chooser: each runs one operation body on every station
// in a StationBatch and shows it in a BatchProgressDialog.

// How long a station has, after new software, to answer discovery again, as `corvane upload --wait` gives it.
constexpr std::chrono::seconds kComeBackWait{60};

// Runs `body` on each record in the batch's window, modal, until the user closes it. The records are the
// batch's own (copies of listed ones): its threads never share a record with a window. The window's thread
// never waits for a station; it hears of them through queued calls, and calls `done` (when given) with the
// index of each station as it is done.
void RunStationBatch(const QString& title, const std::vector<std::shared_ptr<ConfigRecord>>& records,
                     OperationBody body, UploadArgs extra, StationBatch::Policy policy, QWidget* parent,
                     const std::function<void(std::size_t station)>& done = {});

// Why a station of a batch failed, as the single operation would say it: its message and code.
QString BatchFailureText(int status);

// An upload by `upload` followed by the wait for the station to answer a discovery request sent to it alone
// (on `discoveryPort`) with an up-time that began after the upload: batch_status::kNotBack when it has not
// within `wait`.
OperationBody UploadAndComeBack(OperationBody upload, std::uint16_t discoveryPort,
                                std::chrono::milliseconds wait = kComeBackWait);
// Only a station that came back lets the next one have the same software.
bool GoesOnAfterUpload(int status);

// A read by `read` saved to the file named for the record read into, among `paths`: batch_status::kNotSaved
// when it could not be written whole.
OperationBody ReadAndSave(OperationBody read, std::map<const ConfigRecord*, QString> paths);

} // namespace corvane
