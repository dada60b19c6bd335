// SPDX-License-Identifier: Apache-2.0
#include "config/status_codes.h"
#include "gui_test_case.h"
#include "widgets/control_binding.h"
#include "widgets/control_error.h"
#include "widgets/ip_address_control.h"
#include "widgets/station_text_guard.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <functional>
#include <limits>

namespace corvane {
namespace {

enum : int {
    kEdit = 10,
    kLabel = 11,
    kCheck = 12,
    kCombo = 14,
    kIp = 15,
    kButton = 16,
    kGrouped = 17,
    kNested = 20
};

template <typename Control> Control* Add(QWidget* parent, int id) {
    auto* control = new Control(parent);
    control->setProperty(kControlIdProperty, id);
    parent->layout()->addWidget(control);
    return control;
}

// Types as a user does: each key goes to whatever has the focus at that moment.
void TypeKeys(const QString& keys) {
    for (QChar key : keys) {
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
}

// Types text of any script into the edit, one character per key.
void TypeText(QLineEdit* edit, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class ControlBindingTest : public testing::GuiTestCase {
    Q_OBJECT

protected:
    void EndCase() override { dialog.reset(); }

private slots:
    void init() {
        dialog = std::make_unique<QDialog>();
        new QVBoxLayout(dialog.get());
        edit = Add<QLineEdit>(dialog.get(), kEdit);
        label = Add<QLabel>(dialog.get(), kLabel);
        check = Add<QCheckBox>(dialog.get(), kCheck);
        check->setTristate(true);
        combo = Add<QComboBox>(dialog.get(), kCombo);
        ip = Add<IpAddressControl>(dialog.get(), kIp);
        Add<QPushButton>(dialog.get(), kButton);
        // A control inside a container is still the dialog's; one on a nested page is the page's alone.
        auto* group = new QWidget(dialog.get());
        new QVBoxLayout(group);
        dialog->layout()->addWidget(group);
        Add<QLineEdit>(group, kGrouped);
        auto* page = new QWidget(dialog.get());
        MarkControlScope(page);
        new QVBoxLayout(page);
        dialog->layout()->addWidget(page);
        Add<QLineEdit>(page, kNested);
        nestedPage = page;
    }

    void findsControlsByIdButNotThoseOfNestedPages() {
        QCOMPARE(FindControl(dialog.get(), kEdit), edit);
        QVERIFY(FindControl(dialog.get(), kGrouped) != nullptr);
        QVERIFY(FindControl(dialog.get(), kNested) == nullptr);
        QVERIFY(FindControl(nestedPage, kNested) != nullptr);
    }

    void missingControlRaisesControlErrorAndChangesNothing() {
        constexpr int kMissing = 999;
        std::string text = "kept";
        const std::function<void()> calls[] = {
            [&] { GetControlText(dialog.get(), kMissing, text); },
            [&] { SetControlText(dialog.get(), kMissing, "x"); },
            [&] { GetControlNumber(dialog.get(), kMissing); },
            [&] { SetControlNumber(dialog.get(), kMissing, 1); },
            [&] { EnableControl(dialog.get(), kMissing, false); },
            [&] { ShowControl(dialog.get(), kMissing, false); },
            [&] { SetControlFont(dialog.get(), kMissing, nullptr, true); },
            [&] { GetCheck(dialog.get(), kMissing); },
            [&] { SetCheck(dialog.get(), kMissing, 1); },
            [&] { GetComboSelection(dialog.get(), kMissing); },
            [&] { SetComboSelection(dialog.get(), kMissing, 0); },
            [&] { GetComboText(dialog.get(), kMissing, text); },
            [&] { ClearCombo(dialog.get(), kMissing); },
            [&] { AddComboString(dialog.get(), kMissing, "x"); },
            [&] { GetIPAddress(dialog.get(), kMissing); },
            [&] { SetIPAddress(dialog.get(), kMissing, 1); },
            [&] { FocusControl(dialog.get(), kMissing); },
            [&] { GetControlText(dialog.get(), kNested, text); },
            // A control of the wrong kind is as missing as an absent one.
            [&] { GetCheck(dialog.get(), kEdit); },
            [&] { AddComboString(dialog.get(), kEdit, "x"); },
            [&] { GetIPAddress(dialog.get(), kEdit); },
        };
        int raised = 0;
        for (const auto& call : calls) {
            try {
                call();
            } catch (const ControlError& error) {
                QCOMPARE(error.status(), kControlMissing);
                ++raised;
            }
        }
        QCOMPARE(raised, static_cast<int>(std::size(calls)));
        QCOMPARE(text, std::string("kept"));
    }

    void textIsWindows1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ASCII") << QByteArray("Attic \"1\"") << QStringLiteral("Attic \"1\"");
        QTest::newRow("Latin-1 letters") << QByteArray("Caf\xE9 B\xFCro") << QStringLiteral("Café Büro");
        QTest::newRow("0x80 to 0x9F") << QByteArray("\x80\x85\x8A\x99\x9F") << QStringLiteral("€…Š™Ÿ");
        QTest::newRow("unassigned bytes")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("beyond an edit's usual limit") << QByteArray(40000, 'x') << QString(40000, 'x');
    }
    void textIsWindows1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const std::string station = bytes.toStdString();
        for (const int id : {kEdit, kLabel}) {
            SetControlText(dialog.get(), id, station);
            std::string text = "old";
            GetControlText(dialog.get(), id, text);
            QCOMPARE(text, station);
        }
        QCOMPARE(edit->text(), shown);
        QCOMPARE(label->text(), shown);
        AddComboString(dialog.get(), kCombo, station);
        SetComboSelection(dialog.get(), kCombo, combo->count() - 1);
        std::string text;
        GetComboText(dialog.get(), kCombo, text);
        QCOMPARE(text, station);
    }

    // A limit an edit was given on purpose still holds.
    void anEditsOwnLimitStays() {
        edit->setMaxLength(33);
        SetControlText(dialog.get(), kEdit, std::string(40, 'd'));
        QCOMPARE(edit->text(), QString(33, 'd'));
    }

    void textWindows1252CannotHoldReadsAsQuestionMark() {
        label->setText(QStringLiteral("a\u0100b\U0001F600c"));
        std::string text;
        GetControlText(dialog.get(), kLabel, text);
        QCOMPARE(text, std::string("a?b?c"));
    }

    void guardedEditRefusesWhatWindows1252CannotHoldAndSaysSo() {
        GuardStationTexts(dialog.get());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        edit->setFocus();
        TypeText(edit, QStringLiteral("B\u00FCro"));
        QVERIFY(!QToolTip::isVisible());
        TypeText(edit, QStringLiteral("\u0100"));
        QCOMPARE(edit->text(), QStringLiteral("Büro"));
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(QStringLiteral("\"\u0100\"")));
        QVERIFY(QToolTip::text().contains(QStringLiteral("Windows-1252")));
        TypeText(edit, QStringLiteral("\u20AC"));
        QCOMPARE(edit->text(), QStringLiteral("Büro€"));
        std::string text;
        GetControlText(dialog.get(), kEdit, text);
        QCOMPARE(text, std::string("B\xFCro\x80"));
    }

    void guardRefusesAPasteAndKeepsTheEditsOwnValidator() {
        GuardStationTexts(dialog.get());
        edit->setText(QStringLiteral("12"));
        edit->setCursorPosition(2);
        QApplication::clipboard()->setText(QStringLiteral("3\u4E2D"));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("12"));
        QApplication::clipboard()->setText(QStringLiteral("\u00E9"));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("12\u00E9"));

        edit->setText(QStringLiteral("12"));
        edit->setValidator(new QIntValidator(0, 999, edit));
        GuardStationText(edit);
        GuardStationText(edit); // a second guard changes nothing
        edit->setCursorPosition(2);
        TypeText(edit, QStringLiteral("x\u4E2D3"));
        QCOMPARE(edit->text(), QStringLiteral("123"));
        TypeText(edit, QStringLiteral("4"));
        QCOMPARE(edit->text(), QStringLiteral("123"));
    }

    void numberReadsOnlyTheLeadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("digits then letters") << "12abc" << 12;
        QTest::newRow("letters only") << "abc" << 0;
        QTest::newRow("minus five") << "-5" << -5;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks and plus") << "  +7 minutes" << 7;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("too large") << "99999999999" << std::numeric_limits<int>::max();
        QTest::newRow("too small") << "-99999999999" << std::numeric_limits<int>::min();
        QTest::newRow("lowest") << "-2147483648" << std::numeric_limits<int>::min();
    }
    void numberReadsOnlyTheLeadingNumber() {
        QFETCH(QString, text);
        QFETCH(int, number);
        edit->setText(text);
        QCOMPARE(GetControlNumber(dialog.get(), kEdit), number);
    }

    void numberIsWrittenAsSignedDecimal() {
        SetControlNumber(dialog.get(), kLabel, -6731);
        QCOMPARE(label->text(), QStringLiteral("-6731"));
    }

    void checkStatesAreSetWithoutNotification() {
        QSignalSpy clicked(check, &QCheckBox::clicked);
        QSignalSpy changed(check, &QCheckBox::stateChanged);
        for (int state : {1, 2, 0}) {
            SetCheck(dialog.get(), kCheck, state);
            QCOMPARE(GetCheck(dialog.get(), kCheck), state);
        }
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(changed.count(), 0);
    }

    void comboSelectionAndText() {
        QCOMPARE(AddComboString(dialog.get(), kCombo, "1"), 0);
        QCOMPARE(AddComboString(dialog.get(), kCombo, "5.5"), 1);
        QSignalSpy changed(combo, &QComboBox::currentIndexChanged);
        SetComboSelection(dialog.get(), kCombo, 1);
        std::string text;
        QCOMPARE(GetComboText(dialog.get(), kCombo, text), 1);
        QCOMPARE(text, std::string("5.5"));
        for (int outOfRange : {-1, 2, 50}) {
            SetComboSelection(dialog.get(), kCombo, 1);
            SetComboSelection(dialog.get(), kCombo, outOfRange);
            QCOMPARE(GetComboSelection(dialog.get(), kCombo), -1);
        }
        QCOMPARE(changed.count(), 0);
        text = "kept";
        QCOMPARE(GetComboText(dialog.get(), kCombo, text), -1);
        QCOMPARE(text, std::string("kept"));
        ClearCombo(dialog.get(), kCombo);
        QCOMPARE(combo->count(), 0);
    }

    void ipAddressControlValues() {
        QVERIFY(ip->IsBlank());
        QCOMPARE(GetIPAddress(dialog.get(), kIp), 0u);
        SetIPAddress(dialog.get(), kIp, 0xC0A80101u);
        QCOMPARE(GetIPAddress(dialog.get(), kIp), 0xC0A80101u);
        QVERIFY(!ip->IsBlank());
        ip->Clear();
        QVERIFY(ip->IsBlank());
    }

    void ipAddressControlTakesTypedAddressesAndCountsBlankFieldsAsZero() {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        FocusControl(dialog.get(), kIp);
        TypeKeys(QStringLiteral("10.0.1"));
        // The third field is filled; the fourth stays blank and counts 0.
        QCOMPARE(GetIPAddress(dialog.get(), kIp), 0x0A000100u);
        TypeKeys(QStringLiteral(".254"));
        QCOMPARE(GetIPAddress(dialog.get(), kIp), 0x0A0001FEu);
        // A field never holds more than 255.
        ip->Clear();
        FocusControl(dialog.get(), kIp);
        TypeKeys(QStringLiteral("256"));
        QCOMPARE(GetIPAddress(dialog.get(), kIp) >> 24, 25u);
    }

    void ipAddressControlBackspaceReturnsToTheFieldBefore() {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        FocusControl(dialog.get(), kIp);
        TypeKeys(QStringLiteral("12.3"));
        QCOMPARE(GetIPAddress(dialog.get(), kIp), 0x0C030000u);
        // The first Backspace empties the second field, the second returns to the end of the first and the
        // third deletes its last digit.
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        }
        QCOMPARE(GetIPAddress(dialog.get(), kIp), 0x01000000u);
    }

    void focusSelectsTheEditsText() {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        edit->setText(QStringLiteral("lease"));
        FocusControl(dialog.get(), kEdit);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), QStringLiteral("lease"));
    }

    void enableShowFontAndRect() {
        dialog->show();
        EnableControl(dialog.get(), kButton, false);
        QVERIFY(!FindControl(dialog.get(), kButton)->isEnabled());
        ShowControl(dialog.get(), kLabel, false);
        QVERIFY(!label->isVisible());
        ShowControl(dialog.get(), kLabel, true);
        QVERIFY(label->isVisible());
        QFont big(QStringLiteral("Serif"));
        big.setPointSizeF(14);
        SetControlFont(dialog.get(), kLabel, &big, true);
        QCOMPARE(label->font().pointSizeF(), 14.0);
        SetControlFont(dialog.get(), kLabel, nullptr, false);
        QCOMPARE(label->font(), dialog->font());
    }

    void pageTitleFollowsToTheSheetForTheActivePage() {
        QTabWidget sheet;
        sheet.addTab(new QWidget, QStringLiteral("Ethernet"));
        sheet.addTab(new QWidget, QStringLiteral("Modem"));
        SetPageTitle(&sheet, 1, "Modem V.34");
        QCOMPARE(sheet.tabText(1), QStringLiteral("Modem V.34"));
        QCOMPARE(sheet.windowTitle(), QString());
        SetPageTitle(&sheet, 0, "Ethernet (static)");
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Ethernet (static)"));
        SetPageTitle(&sheet, 7, "ignored");
        SetPageTitle(nullptr, 0, "ignored");
    }

private:
    std::unique_ptr<QDialog> dialog;
    QLineEdit* edit = nullptr;
    QLabel* label = nullptr;
    QCheckBox* check = nullptr;
    QComboBox* combo = nullptr;
    IpAddressControl* ip = nullptr;
    QWidget* nestedPage = nullptr;
};

} // namespace corvane

QTEST_MAIN(corvane::ControlBindingTest)
#include "control_binding_test.moc"
