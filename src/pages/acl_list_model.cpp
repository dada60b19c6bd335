// SPDX-License-Identifier: Apache-2.0
#include "pages/acl_list_model.h"

#include "config/hex_text.h"
#include "config/table_editing.h"
#include "files/station_text.h"

namespace corvane {

AclListModel::AclListModel(const QString& idCaption, const QString& descriptionCaption, QObject* parent)
    : QAbstractTableModel(parent), captions_{idCaption, descriptionCaption} {}

void AclListModel::SetEntries(std::vector<AclEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

void AclListModel::Store(std::span<const AclEntry> entries) {
    std::vector<AclEntry> stored = entries_;
    StoreAclEntries(stored, entries);
    const int kept = rowCount();
    const bool grows = stored.size() > entries_.size();
    if (grows) {
        beginInsertRows({}, kept, int(stored.size()) - 1);
    }
    entries_ = std::move(stored);
    if (grows) {
        endInsertRows();
    }
    if (kept > 0) {
        emit dataChanged(index(0, 0), index(kept - 1, 1));
    }
}

void AclListModel::Replace(int row, const AclEntry& entry) {
    ReplaceEntryAt(entries_, std::size_t(row), entry);
    emit dataChanged(index(row, 0), index(row, 1));
}

void AclListModel::Remove(int row) {
    beginRemoveRows({}, row, row);
    entries_.erase(entries_.begin() + row);
    endRemoveRows();
}

int AclListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(entries_.size());
}

int AclListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant AclListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    const AclEntry& entry = entries_[std::size_t(index.row())];
    if (index.column() == 0) {
        return QString::fromLatin1(FormatMacAddress(entry.corvaneId));
    }
    return FromStationText(AclDescription(entry));
}

QVariant AclListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1) {
        return {};
    }
    return captions_[section];
}

} // namespace corvane
