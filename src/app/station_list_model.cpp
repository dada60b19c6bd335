// SPDX-License-Identifier: Apache-2.0
#include "app/station_list_model.h"

#include "config/config_record.h"
#include "files/station_text.h"
#include "protocol/dotted_quad.h"

#include <utility>

namespace corvane {

std::size_t StationKeyHash::operator()(const StationKey& key) const noexcept {
    std::uint64_t packed = 0;
    for (std::uint8_t byte : key.first) {
        packed = (packed << 8) | byte;
    }
    return std::hash<std::uint64_t>{}((packed << 16) ^ (std::uint64_t(key.second) * 0x9E3779B97F4A7C15ull));
}

StationListModel::StationListModel(QString nameHeader, QString addressHeader, QObject* parent)
    : QAbstractTableModel(parent), headers_{std::move(nameHeader), std::move(addressHeader)} {}

int StationListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(records_.size());
}

int StationListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant StationListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || std::size_t(index.row()) >= records_.size()) {
        return {};
    }
    const ConfigRecord& record = *records_[std::size_t(index.row())];
    if (index.column() == kNameColumn) {
        return FromStationText(record.syNm);
    }
    if (const auto text = addressTexts_.find(std::size_t(index.row())); text != addressTexts_.end()) {
        return text->second;
    }
    return QString::fromStdString(FormatDottedQuad(record.stationAddress));
}

QVariant StationListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount) {
        return {};
    }
    return headers_[section];
}

void StationListModel::Append(std::vector<std::unique_ptr<ConfigRecord>> records) {
    std::vector<std::shared_ptr<ConfigRecord>> added;
    for (std::unique_ptr<ConfigRecord>& record : records) {
        if (record && rows_.emplace(KeyOf(*record), records_.size() + added.size()).second) {
            added.push_back(std::move(record));
        }
    }
    if (added.empty()) {
        return;
    }
    const int first = int(records_.size());
    beginInsertRows({}, first, first + int(added.size()) - 1);
    records_.insert(records_.end(), std::make_move_iterator(added.begin()),
                    std::make_move_iterator(added.end()));
    endInsertRows();
}

void StationListModel::Clear() {
    beginResetModel();
    records_.clear();
    rows_.clear();
    addressTexts_.clear();
    endResetModel();
}

std::optional<std::size_t> StationListModel::RowOf(const StationKey& key) const {
    if (const auto found = rows_.find(key); found != rows_.end()) {
        return found->second;
    }
    return std::nullopt;
}

void StationListModel::SetAddressText(std::size_t row, const QString& text) {
    if (row >= records_.size()) {
        return;
    }
    QString& shown = addressTexts_[row];
    if (shown == text) {
        return; // a repaint only when the count changes
    }
    shown = text;
    const QModelIndex cell = index(int(row), kAddressColumn);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

} // namespace corvane
