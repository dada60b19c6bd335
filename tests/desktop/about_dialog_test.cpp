// SPDX-License-Identifier: Apache-2.0
#include "desktop/about_dialog.h"
#include "gui_test_case.h"
#include "modal_driver.h"
#include "strings/ids/about_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "widgets/control_binding.h"

#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QTest>

namespace corvane {

using namespace testing;

class AboutDialogTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void showsNameVersionNoticeAndIconInALargerSerifFont() {
        AboutDialog about;
        QFont titleFont;
        QFont versionFont;
        OnNextModal([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("About Corvane Admin Utility"));
            QCOMPARE(TextOf(&dialog, about::kTitle), QStringLiteral("Corvane Admin Utility for Windows"));
            QCOMPARE(TextOf(&dialog, about::kVersion), QStringLiteral("Version 1.0"));
            QVERIFY(!TextOf(&dialog, about::kNotice).isEmpty());
            QVERIFY(!qobject_cast<QLabel*>(GetControl(&dialog, about::kProgramIcon))->pixmap().isNull());
            titleFont = GetControl(&dialog, about::kTitle)->font();
            versionFont = GetControl(&dialog, about::kVersion)->font();
            ClickControl(&dialog, kOk);
        });
        QCOMPARE(about.exec(), 1);
        QCOMPARE(titleFont.family(), QStringLiteral("MS Serif"));
        QCOMPARE(titleFont.pointSizeF(), 14.0);
        QCOMPARE(titleFont.styleHint(), QFont::Serif);
        QVERIFY(versionFont.pointSizeF() < titleFont.pointSizeF());
    }

    void closesWithOkEnterOrEscape_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void closesWithOkEnterOrEscape() {
        QFETCH(int, key);
        AboutDialog about;
        OnNextModal([key](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key(key)); });
        about.exec();
        QVERIFY(!about.isVisible());
    }
};

} // namespace corvane

QTEST_MAIN(corvane::AboutDialogTest)
#include "about_dialog_test.moc"
