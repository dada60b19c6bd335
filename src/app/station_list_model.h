// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/station_key.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstddef>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace corvane {

class ConfigRecord;

// Hashes a station's key, so that a row is found by its key in one step however long the list is.
struct StationKeyHash {
    std::size_t operator()(const StationKey& key) const noexcept;
};

// The chooser's base stations, one row per record in the order they were found: the station's name, and its
// address or, while it restarts, the text its countdown shows in the address's place. A record shown here
// is shared with any operation using it, so emptying the list never destroys a record under its feet.
class StationListModel : public QAbstractTableModel {
public:
    enum Column { kNameColumn = 0, kAddressColumn = 1, kColumnCount = 2 };

    StationListModel(QString nameHeader, QString addressHeader, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Lists the records not listed yet, in their order, as one insertion; a duplicate of a listed station
    // (the same WAN MAC address and station address) dies here.
    void Append(std::vector<std::unique_ptr<ConfigRecord>> records);
    void Clear();

    std::size_t Size() const { return records_.size(); }
    const std::shared_ptr<ConfigRecord>& At(std::size_t row) const { return records_[row]; }
    // The row of the listed station with this key.
    std::optional<std::size_t> RowOf(const StationKey& key) const;
    // What the row shows in its address's place until the list is emptied.
    void SetAddressText(std::size_t row, const QString& text);

private:
    QString headers_[kColumnCount];
    std::vector<std::shared_ptr<ConfigRecord>> records_;
    std::unordered_map<StationKey, std::size_t, StationKeyHash> rows_;
    std::unordered_map<std::size_t, QString> addressTexts_; // rows showing a countdown
};

} // namespace corvane
