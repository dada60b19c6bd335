// SPDX-License-Identifier: Apache-2.0
#include "desktop/batch_progress_dialog.h"

#include "strings/ids/string_ids.h"
#include "strings/message_format.h"
#include "strings/string_table.h"
#include "widgets/resource_text.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace corvane {
namespace {

constexpr int kNameColumnWidth = 150;
constexpr int kAddressColumnWidth = 96;
constexpr int kStateColumn = 2;

} // namespace

BatchProgressDialog::BatchProgressDialog(const QString& title, const std::vector<BatchRow>& rows,
                                         QWidget* parent)
    : QDialog(parent), states_(rows.size(), BatchState::kWaiting) {
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setObjectName(QStringLiteral("BatchProgressDialog"));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("batchStations"));
    list_->setAccessibleName(QStringLiteral("Base stations and their states"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHeaderLabels({ResourceText(kStrColumnName), ResourceText(kStrColumnIpAddress),
                            ResourceText(kStrBatchColumnState)});
    list_->header()->setSectionsClickable(false);
    list_->setColumnWidth(0, kNameColumnWidth);
    list_->setColumnWidth(1, kAddressColumnWidth);
    for (const BatchRow& row : rows) {
        new QTreeWidgetItem(list_, {row.name, row.address, ResourceText(kStrBatchWaiting)});
    }

    chosenState_ = new QLabel(this);
    chosenState_->setObjectName(QStringLiteral("batchChosenState"));
    chosenState_->setAccessibleName(QStringLiteral("State of the chosen base station"));
    chosenState_->setWordWrap(true);
    chosenState_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    connect(list_, &QTreeWidget::currentItemChanged, this, &BatchProgressDialog::ShowChosenState);
    list_->setCurrentItem(list_->topLevelItem(0));

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("batchSummary"));
    summary_->setAccessibleName(QStringLiteral("Summary"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* buttons = new QDialogButtonBox(this);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    cancel_->setObjectName(QStringLiteral("batchCancel"));
    cancel_->setAccessibleName(QStringLiteral("Cancel"));
    close_ = buttons->addButton(QDialogButtonBox::Close);
    close_->setObjectName(QStringLiteral("batchClose"));
    close_->setAccessibleName(QStringLiteral("Close"));
    close_->setEnabled(false);
    cancel_->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &BatchProgressDialog::reject);
    connect(close_, &QPushButton::clicked, this, &BatchProgressDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(chosenState_);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    resize(560, 320);
}

void BatchProgressDialog::ShowState(std::size_t row, BatchState state, const QString& reason) {
    if (row >= states_.size()) {
        return;
    }
    states_[row] = state;
    QString text;
    switch (state) {
    case BatchState::kWaiting:
        text = ResourceText(kStrBatchWaiting);
        break;
    case BatchState::kWorking:
        text = ResourceText(kStrBatchWorking);
        break;
    case BatchState::kDone:
        text = ResourceText(kStrBatchDone);
        break;
    case BatchState::kFailed:
        text =
            QString::fromStdString(FormatResourceText(ResourceString(kStrBatchFailed), reason.toStdString()));
        break;
    case BatchState::kNotBegun:
        text = ResourceText(kStrBatchNotBegun);
        break;
    }
    QTreeWidgetItem* item = list_->topLevelItem(int(row));
    item->setText(kStateColumn, text);
    item->setToolTip(kStateColumn, text);
    if (item == list_->currentItem()) {
        ShowChosenState();
    }
}

void BatchProgressDialog::ShowChosenState() {
    const QTreeWidgetItem* item = list_->currentItem();
    chosenState_->setText(
        item == nullptr ? QString() : QStringLiteral("%1: %2").arg(item->text(0), item->text(kStateColumn)));
}

void BatchProgressDialog::ShowFinished() {
    finished_ = true;
    const auto count = [this](BatchState state) { return std::size_t(std::ranges::count(states_, state)); };
    summary_->setText(
        QString::fromStdString(FormatResourceText(ResourceString(kStrBatchSummary), count(BatchState::kDone),
                                                  count(BatchState::kFailed), count(BatchState::kNotBegun))));
    const bool cancelHadFocus = cancel_->hasFocus();
    cancel_->setEnabled(false);
    close_->setEnabled(true);
    cancel_->setDefault(false);
    close_->setDefault(true);
    if (cancelHadFocus || focusWidget() == nullptr) {
        close_->setFocus();
    }
}

QString BatchProgressDialog::StateText(std::size_t row) const {
    return row < states_.size() ? list_->topLevelItem(int(row))->text(kStateColumn) : QString();
}

QString BatchProgressDialog::Summary() const {
    return summary_->text();
}

void BatchProgressDialog::reject() {
    if (finished_) {
        QDialog::reject();
        return;
    }
    // Stations not begun stay untouched, running ones are aborted; the window stays to show it.
    cancel_->setEnabled(false);
    emit cancelRequested();
}

} // namespace corvane
