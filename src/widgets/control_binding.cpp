// SPDX-License-Identifier: Apache-2.0
#include "widgets/control_binding.h"

#include "files/station_text.h"
#include "widgets/control_error.h"
#include "widgets/ip_address_control.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>
#include <limits>

namespace corvane {
namespace {

// Guarded edits hold only characters Windows-1252 can hold; any other text that holds one reads it as '?', as
// Windows reads such a character.
std::string ToBytes(const QString& text) {
    std::string bytes;
    for (const char32_t c : text.toUcs4()) {
        unsigned char byte = '?';
        CodePointToWindows1252(c, byte);
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

QString WindowText(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return combo->currentText();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        return group->title();
    }
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(control)) {
        return text->toPlainText();
    }
    return control->windowTitle();
}

void SetWindowText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->setPlainText(text);
    } else {
        control->setWindowTitle(text);
    }
}

template <typename Control> Control* GetControlOf(QWidget* dialog, int id) {
    auto* control = qobject_cast<Control*>(GetControl(dialog, id));
    if (control == nullptr) {
        throw ControlError{};
    }
    return control;
}

} // namespace

namespace {

constexpr char kControlScopeProperty[] = "controlScope";

} // namespace

void MarkControlScope(QWidget* widget) {
    widget->setProperty(kControlScopeProperty, true);
}

QWidget* FindControl(QWidget* dialog, int id) {
    for (QObject* child : dialog->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) {
            continue;
        }
        const QVariant childId = widget->property(kControlIdProperty);
        if (childId.isValid() && childId.toInt() == id) {
            return widget;
        }
        // A nested page is a dialog of its own: its controls are not the surrounding window's.
        if (widget->property(kControlScopeProperty).toBool()) {
            continue;
        }
        if (QWidget* found = FindControl(widget, id)) {
            return found;
        }
    }
    return nullptr;
}

QWidget* GetControl(QWidget* dialog, int id) {
    QWidget* control = FindControl(dialog, id);
    if (control == nullptr) {
        throw ControlError{};
    }
    return control;
}

void GetControlText(QWidget* dialog, int id, std::string& text) {
    text = ToBytes(WindowText(GetControl(dialog, id)));
}

void SetControlText(QWidget* dialog, int id, const std::string& text) {
    QWidget* control = GetControl(dialog, id);
    const QString shown = FromStationText(text);
    // An edit cuts what is longer than its limit without a word, and a record's text may be longer than Qt's
    // default limit: such an edit grows to the text, so that storing it unedited keeps every byte. A limit
    // set on purpose (below the default) stays.
    constexpr int kQtDefaultLimit = 32767;
    if (auto* edit = qobject_cast<QLineEdit*>(control);
        edit != nullptr && edit->maxLength() >= kQtDefaultLimit && shown.size() > edit->maxLength()) {
        edit->setMaxLength(static_cast<int>(shown.size()));
    }
    SetWindowText(control, shown);
}

std::int32_t GetControlNumber(QWidget* dialog, int id) {
    std::string text;
    GetControlText(dialog, id, text);
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at++] == '-';
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = std::min(value * 10 + (text[at] - '0'), kLimit);
    }
    if (negative) {
        return static_cast<std::int32_t>(-value);
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, kLimit - 1));
}

void SetControlNumber(QWidget* dialog, int id, std::int32_t value) {
    SetWindowText(GetControl(dialog, id), QString::number(value));
}

void EnableControl(QWidget* dialog, int id, bool enable) {
    GetControl(dialog, id)->setEnabled(enable);
}

void ShowControl(QWidget* dialog, int id, bool show) {
    GetControl(dialog, id)->setVisible(show);
}

void SetControlFont(QWidget* dialog, int id, const QFont* font, bool redraw) {
    QWidget* control = GetControl(dialog, id);
    control->setFont(font != nullptr ? *font : QFont());
    if (redraw) {
        control->update();
    }
}

int GetCheck(QWidget* dialog, int id) {
    const auto* button = GetControlOf<QAbstractButton>(dialog, id);
    if (const auto* checkBox = qobject_cast<const QCheckBox*>(button)) {
        switch (checkBox->checkState()) {
        case Qt::Checked:
            return kChecked;
        case Qt::PartiallyChecked:
            return kIndeterminate;
        case Qt::Unchecked:
            return kUnchecked;
        }
    }
    return button->isChecked() ? kChecked : kUnchecked;
}

void SetCheck(QWidget* dialog, int id, int state) {
    auto* button = GetControlOf<QAbstractButton>(dialog, id);
    const QSignalBlocker quiet(button);
    if (auto* checkBox = qobject_cast<QCheckBox*>(button); checkBox != nullptr && state == kIndeterminate) {
        checkBox->setCheckState(Qt::PartiallyChecked);
    } else {
        button->setChecked(state != kUnchecked);
    }
}

int GetComboSelection(QWidget* dialog, int id) {
    return GetControlOf<QComboBox>(dialog, id)->currentIndex();
}

void SetComboSelection(QWidget* dialog, int id, int index) {
    auto* combo = GetControlOf<QComboBox>(dialog, id);
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int GetComboText(QWidget* dialog, int id, std::string& text) {
    const auto* combo = GetControlOf<QComboBox>(dialog, id);
    const int index = combo->currentIndex();
    if (index >= 0) {
        text = ToBytes(combo->itemText(index));
    }
    return index;
}

void ClearCombo(QWidget* dialog, int id) {
    GetControlOf<QComboBox>(dialog, id)->clear();
}

int AddComboString(QWidget* dialog, int id, const std::string& text) {
    auto* combo = GetControlOf<QComboBox>(dialog, id);
    combo->addItem(FromStationText(text));
    return combo->count() - 1;
}

std::uint32_t GetIPAddress(QWidget* dialog, int id) {
    return GetControlOf<IpAddressControl>(dialog, id)->Address();
}

void SetIPAddress(QWidget* dialog, int id, std::uint32_t address) {
    GetControlOf<IpAddressControl>(dialog, id)->SetAddress(address);
}

void FocusControl(QWidget* dialog, int id) {
    QWidget* control = GetControl(dialog, id);
    control->setFocus(Qt::TabFocusReason);
    // Also when the edit had the focus already, as the dialog manager does.
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    }
}

void SetPageTitle(QTabWidget* sheet, int index, const std::string& title) {
    if (sheet == nullptr || index < 0 || index >= sheet->count()) {
        return;
    }
    const QString text = FromStationText(title);
    sheet->setTabText(index, text);
    if (index == sheet->currentIndex()) {
        sheet->setWindowTitle(text);
    }
}

} // namespace corvane
