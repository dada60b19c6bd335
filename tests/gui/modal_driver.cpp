// SPDX-License-Identifier: Apache-2.0
#include "modal_driver.h"

#include "files/station_text.h"
#include "strings/string_table.h"
#include "widgets/control_binding.h"
#include "widgets/ip_address_control.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <deque>

namespace corvane::testing {
namespace {

class ModalWatcher : public QObject {
public:
    static ModalWatcher& Instance() {
        static auto* watcher = [] {
            auto* created = new ModalWatcher;
            qApp->installEventFilter(created);
            return created;
        }();
        return *watcher;
    }

    std::deque<std::function<void(QDialog&)>> actions;
    QStringList unexpected;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog != nullptr && dialog->isWindow() && dialog->isModal()) {
                Dispatch(dialog);
            }
        }
        return false;
    }

private:
    void Dispatch(QDialog* dialog) {
        std::function<void(QDialog&)> action;
        if (actions.empty()) {
            unexpected << dialog->windowTitle();
            action = [](QDialog& shown) { shown.reject(); };
        } else {
            action = std::move(actions.front());
            actions.pop_front();
        }
        QTimer::singleShot(0, dialog, [dialog = QPointer<QDialog>(dialog), action = std::move(action)] {
            if (dialog != nullptr) {
                action(*dialog);
            }
        });
    }
};

} // namespace

void OnNextModal(std::function<void(QDialog& dialog)> action) {
    ModalWatcher::Instance().actions.push_back(std::move(action));
}

QStringList TakeUnexpectedModals() {
    QStringList titles;
    titles.swap(ModalWatcher::Instance().unexpected);
    return titles;
}

void ClickControl(QWidget* dialog, int id) {
    auto* button = qobject_cast<QAbstractButton*>(GetControl(dialog, id));
    QVERIFY(button != nullptr);
    button->click();
}

void TypeInto(QWidget* dialog, int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(GetControl(dialog, id));
    QVERIFY(edit != nullptr);
    edit->clear();
    for (QChar key : text) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(key), Qt::NoModifier);
    }
}

void TypeAddress(QWidget* dialog, int id, const QString& address) {
    auto* control = qobject_cast<IpAddressControl*>(GetControl(dialog, id));
    QVERIFY(control != nullptr);
    control->Clear();
    const QList<QLineEdit*> fields = control->findChildren<QLineEdit*>();
    const QStringList parts = address.split('.');
    for (int i = 0; i < fields.size() && i < parts.size(); ++i) {
        QTest::keyClicks(fields[i], parts[i]);
    }
}

void ChooseIn(QWidget* dialog, int id, int index) {
    auto* list = qobject_cast<QComboBox*>(GetControl(dialog, id));
    QVERIFY(list != nullptr);
    list->setCurrentIndex(index);
}

QString TextOf(QWidget* dialog, int id) {
    std::string text;
    GetControlText(dialog, id, text);
    return FromStationText(text);
}

bool IsShown(QWidget* dialog, int id) {
    return GetControl(dialog, id)->isVisible();
}

QString ResourceText(StringId id) {
    const std::string_view text = ResourceString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList LabelTexts(const QWidget* dialog) {
    QStringList texts;
    // As shown: a mnemonic's ampersand is not part of the text.
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        texts << QString(label->text())
                     .replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    }
    return texts;
}

QStringList ColumnCaptions(const QAbstractItemView* list) {
    QStringList captions;
    const QAbstractItemModel* model = list->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        captions << model->headerData(column, Qt::Horizontal).toString();
    }
    return captions;
}

} // namespace corvane::testing
