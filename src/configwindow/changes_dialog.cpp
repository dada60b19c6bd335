// SPDX-License-Identifier: Apache-2.0
#include "configwindow/changes_dialog.h"

#include "config/config_record.h"
#include "properties/property_diff.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvane {

namespace {

QString Heading(std::size_t count) {
    if (count == 0) {
        return ChangesDialog::tr("No setting differs from the configuration as it was read or opened.");
    }
    return count == 1
               ? ChangesDialog::tr("1 setting differs from the configuration as it was read or opened:")
               : ChangesDialog::tr("%1 settings differ from the configuration as it was read or opened:")
                     .arg(count);
}

} // namespace

ChangesDialog::ChangesDialog(const ConfigRecord& before, const ConfigRecord& after, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Changes"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const auto differing = DifferingProperties(before, after);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(Heading(differing.size()), this);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    if (!differing.empty()) {
        auto* list = new QTreeWidget(this);
        list->setObjectName(QStringLiteral("changes"));
        list->setAccessibleName(tr("Changed settings"));
        list->setHeaderLabels({tr("Setting"), tr("Before"), tr("After")});
        list->setRootIsDecorated(false);
        list->setAlternatingRowColors(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        for (const PropertyView* view : differing) {
            auto* row = new QTreeWidgetItem(list, {QString::fromLatin1(view->meaning),
                                                   DisplayValue(before, *view, false),
                                                   DisplayValue(after, *view, false)});
            row->setToolTip(0, TagText(view->tag));
        }
        list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        list->setCurrentItem(list->topLevelItem(0));
        heading->setBuddy(list);
        layout->addWidget(list);
    }

    // Enter and Escape both close it: it only shows.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, differing.empty() ? 120 : 360);
}

} // namespace corvane
