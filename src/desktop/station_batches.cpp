// SPDX-License-Identifier: Apache-2.0
#include "desktop/station_batches.h"

#include "config/config_record.h"
#include "config/status_codes.h"
#include "desktop/batch_progress_dialog.h"
#include "desktop/configuration_file.h"
#include "files/station_text.h"
#include "protocol/dotted_quad.h"
#include "protocol/net_socket.h"
#include "protocol/socket_cell.h"
#include "protocol/unicast_discovery.h"
#include "strings/ids/string_ids.h"
#include "strings/message_format.h"
#include "strings/status_message.h"
#include "strings/string_table.h"
#include "widgets/resource_text.h"

#include <QCoreApplication>
#include <QPointer>

namespace corvane {
void RunStationBatch(const QString& title, const std::vector<std::shared_ptr<ConfigRecord>>& records,
                     OperationBody body, UploadArgs extra, StationBatch::Policy policy, QWidget* parent,
                     const std::function<void(std::size_t station)>& done) {
    std::vector<BatchRow> rows;
    rows.reserve(records.size());
    for (const std::shared_ptr<ConfigRecord>& record : records) {
        rows.push_back({FromStationText(record->syNm),
                        QString::fromStdString(FormatDottedQuad(record->stationAddress))});
    }
    BatchProgressDialog dialog(title, rows, parent);

    // Called on the batch's threads: each call travels to the window's thread, where the window may be gone.
    const QPointer<BatchProgressDialog> window(&dialog);
    const auto deliver = [window](std::function<void(BatchProgressDialog&)> show) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [window, show = std::move(show)] {
                if (window) {
                    show(*window);
                }
            },
            Qt::QueuedConnection);
    };
    StationBatch::Listener listener{
        [deliver, done](std::size_t station, BatchState state, int status) {
            deliver([station, state, status, done](BatchProgressDialog& shown) {
                shown.ShowState(station, state, state == BatchState::kFailed ? BatchFailureText(status) : "");
                if (state == BatchState::kDone && done) {
                    done(station);
                }
            });
        },
        [deliver] { deliver([](BatchProgressDialog& shown) { shown.ShowFinished(); }); }};

    StationBatch batch(records, std::move(body), extra, std::move(policy), std::move(listener));
    QObject::connect(&dialog, &BatchProgressDialog::cancelRequested, &dialog, [&batch] { batch.Cancel(); });
    batch.Start();
    dialog.exec(); // ends only once the batch has finished
}

QString BatchFailureText(int status) {
    switch (status) {
    case runner_status::kCancelled:
        return ResourceText(kStrBatchCancelled);
    case batch_status::kNotBack:
        return QString::fromStdString(
            FormatResourceText(ResourceString(kStrStationNotBack), std::uint64_t(kComeBackWait.count())));
    case batch_status::kNotSaved:
        return ResourceText(kStrConfigFileWriteError);
    default:
        return QStringLiteral("%1 (%2)").arg(ResourceText(MessageIdForStatus(kStrStationAccessError, status)),
                                             QString::number(status));
    }
}

OperationBody UploadAndComeBack(OperationBody upload, std::uint16_t discoveryPort,
                                std::chrono::milliseconds wait) {
    return [upload = std::move(upload), discoveryPort, wait](OperationContext& context) {
        const auto asked = std::chrono::steady_clock::now();
        if (const int status = upload(context); status != 0) {
            return status;
        }
        // The session has left the cell empty: an abort meanwhile waits in it for the datagram socket.
        NetSocket* socket = nullptr;
        if (const int status = NetSocketCreate(kFamilyInternet, kSocketDatagram, 0, &socket); status != 0) {
            return status;
        }
        context.cell->Store(OwnedNetSocket(socket));
        ConfigRecord answer;
        const int status = AskStation(context.cell, context.record.stationAddress, discoveryPort, asked,
                                      answer, asked + wait);
        return status == socket_status::kTimedOut ? batch_status::kNotBack : status;
    };
}

bool GoesOnAfterUpload(int status) {
    return status != batch_status::kNotBack;
}

OperationBody ReadAndSave(OperationBody read, std::map<const ConfigRecord*, QString> paths) {
    return [read = std::move(read), paths = std::move(paths)](OperationContext& context) {
        if (const int status = read(context); status != 0) {
            return status;
        }
        const auto path = paths.find(&context.record);
        return path != paths.end() && WriteConfigurationFile(path->second, context.record)
                   ? 0
                   : batch_status::kNotSaved;
    };
}

} // namespace corvane
