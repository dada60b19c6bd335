// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QFrame>
#include <array>
#include <cstdint>

class QLineEdit;

namespace corvane {

// Four number fields of 0 to 255 in one edit box. A blank field counts 0; the control knows when it is wholly
// blank. Typing a third digit or a dot moves to the next field, Backspace in an empty field to the previous
// one.
class IpAddressControl : public QFrame {
    Q_OBJECT

public:
    explicit IpAddressControl(QWidget* parent = nullptr);

    // First field in the most significant byte.
    std::uint32_t Address() const;
    void SetAddress(std::uint32_t address);
    bool IsBlank() const;
    void Clear();

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void MoveTo(int field, bool atEnd);
    void FieldEdited(int field);

    std::array<QLineEdit*, 4> fields_{};
};

} // namespace corvane
