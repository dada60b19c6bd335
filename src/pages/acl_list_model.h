// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/table_entries.h"

#include <QAbstractTableModel>
#include <span>
#include <vector>

namespace corvane {

// The access-control page's own copy of the list, shown as two columns: the Corvane ID and the description.
// Row i shows entry i; rows are made when painted, so ten thousand clients cost no more than their bytes.
class AclListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    AclListModel(const QString& idCaption, const QString& descriptionCaption, QObject* parent = nullptr);

    const std::vector<AclEntry>& Entries() const { return entries_; }
    void SetEntries(std::vector<AclEntry> entries);
    // Stores each entry as an added client: an entry with its ID is replaced, otherwise it is appended.
    void Store(std::span<const AclEntry> entries);
    void Replace(int row, const AclEntry& entry);
    void Remove(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<AclEntry> entries_;
    QString captions_[2];
};

} // namespace corvane
