// SPDX-License-Identifier: Apache-2.0
#include "resources/default_firmware.h"
#include "resources/icons.h"
#include "resources/main_menu.h"
#include "strings/ids/icon_ids.h"
#include "strings/ids/menu_commands.h"
#include "strings/ids/string_ids.h"
#include "strings/message_format.h"
#include "strings/string_table.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace corvane {

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void stringTableHoldsEveryNamedIdAndNoOther() {
        const std::vector<StringId> named = {kStrAboutMenuItem,
                                             kStrSocketsFailed,
                                             kStrColumnName,
                                             kStrColumnIpAddress,
                                             kStrPasswordMismatch,
                                             kStrSoftwareFileFilter,
                                             kStrSoftwareFileExtension,
                                             kStrSoftwareFileDefaultName,
                                             kStrFirmwareResourceName,
                                             kStrFirmwareResourceType,
                                             kStrAboutFontFace,
                                             kStrAboutFontSize,
                                             kStrModemV90,
                                             kStrModemV34,
                                             kStrExplainBridge,
                                             kStrExplainNatDhcp,
                                             kStrExplainDhcpRange,
                                             kStrColumnPublicPort,
                                             kStrColumnPrivatePort,
                                             kStrColumnPrivateAddress,
                                             kStrFieldsBlank,
                                             kStrDuplicatePortMapping,
                                             kStrInvalidCorvaneId,
                                             kStrColumnCorvaneId,
                                             kStrColumnDescription,
                                             kStrAclFileFilter,
                                             kStrAclFileExtension,
                                             kStrAclFileDefaultName,
                                             kStrAclFileError,
                                             kStrStationAccessError,
                                             kStrWrongPassword,
                                             kStrOutOfMemory,
                                             kStrProgressReading,
                                             kStrProgressUpdating,
                                             kStrProgressRestarting,
                                             kStrProgressUploading,
                                             kStrConfigureNamedTitle,
                                             kStrConfigureTitle,
                                             kStrConfirmRestart,
                                             kStrConfirmUpload,
                                             kStrConfigFileFilter,
                                             kStrConfigFileExtension,
                                             kStrConfigFileNamePattern,
                                             kStrConfigFileWriteError,
                                             kStrConfigFileReadError,
                                             kStrInvalidNetworkPassword,
                                             kStrEquivalentPasswordText,
                                             kStrEquivalentPasswordCaption,
                                             kStrAolV90,
                                             kStrAolV34,
                                             kStrConfirmClosedNetwork,
                                             kStrNoteCaption,
                                             kStrConfirmInterferenceRobustness,
                                             kStrStationReset,
                                             kStrLeaseTooShort,
                                             kStrRestartingCountdown,
                                             kStrMulticastNeedsDensity,
                                             kStrConfirmMulticastRate,
                                             kStrUserInformationMissing,
                                             kStrPppNeedsDhcp,
                                             kStrDhcpRangeNeedsStaticEthernet,
                                             kStrIllegalNetworkName,
                                             kStrLeaseNotNumeric,
                                             kStrDescriptionLineBreak,
                                             kStrChannelNotAllowed,
                                             kStrDescriptionTooLong,
                                             kStrStationsSelected,
                                             kStrConfirmRestartStations,
                                             kStrConfirmUploadStations,
                                             kStrBatchRestartTitle,
                                             kStrBatchUploadTitle,
                                             kStrBatchBackupTitle,
                                             kStrBatchWaiting,
                                             kStrBatchWorking,
                                             kStrBatchDone,
                                             kStrBatchFailed,
                                             kStrBatchNotBegun,
                                             kStrBatchCancelled,
                                             kStrBatchSummary,
                                             kStrStationNotBack,
                                             kStrBatchColumnState,
                                             kStrBackupFolderCaption};
        for (unsigned id = 90; id <= 200; ++id) {
            const bool expected = std::ranges::find(named, StringId(id)) != named.end();
            QVERIFY2(ResourceString(StringId(id)).empty() != expected, qPrintable(QString::number(id)));
        }
    }

    void stringTableTextsAreExact_data() {
        QTest::addColumn<unsigned>("id"); // a StringId
        QTest::addColumn<QString>("text");
        QTest::newRow("kStrAboutMenuItem") << unsigned(kStrAboutMenuItem) << "&About Corvane Admin Utility";
        QTest::newRow("kStrSoftwareFileFilter")
            << unsigned(kStrSoftwareFileFilter)
            << "Corvane Firmware files (*.bin)|*.bin|All files (*.*)|*.*||";
        QTest::newRow("kStrAboutFontSize") << unsigned(kStrAboutFontSize) << "140";
        QTest::newRow("kStrColumnPrivateAddress")
            << unsigned(kStrColumnPrivateAddress) << "Private IP Address";
        QTest::newRow("kStrConfigureNamedTitle")
            << unsigned(kStrConfigureNamedTitle) << "Configure \"%s\" Base Station";
        QTest::newRow("kStrInvalidNetworkPassword")
            << unsigned(kStrInvalidNetworkPassword)
            << "The password is invalid. Passwords must be normal text, quoted text containing exactly 5 "
               "characters for 40-bit or 13 characters for 128-bit, or hex-encoded text prefixed with "
               "either \"$\" or \"0x\" and containing 11 characters for 40-bit or 26 characters for "
               "128-bit. Make sure the password is valid and try again.";
        QTest::newRow("kStrRestartingCountdown") << unsigned(kStrRestartingCountdown) << "Restarting...%d";
        QTest::newRow("kStrIllegalNetworkName")
            << unsigned(kStrIllegalNetworkName)
            << "The network name contains illegal characters. The acceptable characters are:\n\n"
               "    a-z A-Z \\ \" ' ( ) , - . / : = ? (space)\n\n"
               "Make sure only acceptable characters are used and try again.";
    }
    void stringTableTextsAreExact() {
        QFETCH(unsigned, id);
        QFETCH(QString, text);
        const std::string_view stored = ResourceString(StringId(id));
        QCOMPARE(QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size())), text);
    }

    void formatsTakeTheirArgumentsSafely() {
        struct Case {
            const char* format;
            std::string text;
            const char* expected;
        };
        const Case cases[] = {
            {"Configure \"%s\" Base Station", FormatResourceText("Configure \"%s\" Base Station", "Office"),
             "Configure \"Office\" Base Station"},
            {"%s.cfg", FormatResourceText("%s.cfg", ""), ".cfg"},
            {"Restarting...%d", FormatResourceText("Restarting...%d", 20 - 3), "Restarting...17"},
            {"%ld/%lu", FormatResourceText("%ld/%lu", -6731, 7u), "-6731/7"},
            {"widths", FormatResourceText("[%5d|%-3u|%04X|%03d]", -3, 7u, 255u, -4), "[   -3|7  |00FF|-04]"},
            {"percent", FormatResourceText("100%% %s", "sure"), "100% sure"},
            // More conversions than arguments: the missing ones print nothing instead of reading past the
            // end.
            {"missing", FormatResourceText("%s and %s and %d", "one"), "one and  and "},
            {"number for text", FormatResourceText("%s|%s", -3, 4u), "-3|4"},
            {"text for number", FormatResourceText("%d", "x"), "0"},
            {"unknown conversion", FormatResourceText("%q%s", "x"), "%qx"},
            {"trailing percent", FormatResourceText("50%"), "50%"},
        };
        for (const Case& c : cases) {
            QVERIFY2(c.text == c.expected, c.format);
        }
    }

    void menu136HasItsItemsAndCommands() {
        QWidget window;
        std::vector<int> commands;
        QMenuBar* menuBar = CreateMainMenu(&window, [&](int command) { commands.push_back(command); });
        QStringList titles;
        for (const QAction* popup : menuBar->actions()) {
            titles << popup->text();
        }
        QCOMPARE(titles, (QStringList{"&File", "&Base Station", "&Help"}));
        const std::pair<int, const char*> items[] = {
            {32791, "New Configuration"},
            {32802, "&Open Configuration File..."},
            {57602, "Close &Window"},
            {57604, "Save As..."},
            {32803, "&Import Settings..."},
            {32771, "Exit"},
            {32798, "Choose Other..."},
            {32787, "Re-scan"},
            {32788, "Restart..."},
            {32799, "Upload Software..."},
            {32800, "Upload Default (v4.0) Software..."},
            {32807, "Equivalent Network Password..."},
            {32806, "About Corvane Admin Utility..."},
        };
        for (const auto& [command, text] : items) {
            QAction* action = FindMenuCommand(menuBar, command);
            QVERIFY2(action != nullptr, text);
            QCOMPARE(action->text(), QString::fromUtf8(text));
            action->trigger();
            QCOMPARE(commands.back(), command);
        }
        QVERIFY(FindMenuCommand(menuBar, 1) == nullptr);
    }

    void acceleratorTable146SendsItsCommands() {
        const std::pair<QKeyCombination, int> expected[] = {
            {Qt::CTRL | Qt::Key_I, 32803}, {Qt::CTRL | Qt::Key_N, 32791}, {Qt::CTRL | Qt::Key_O, 32802},
            {Qt::CTRL | Qt::Key_R, 32787}, {Qt::CTRL | Qt::Key_W, 57602},
        };
        QCOMPARE(MainMenuAccelerators().size(), std::size(expected));
        QWidget window;
        new QVBoxLayout(&window);
        std::vector<int> commands;
        QMenuBar* menuBar = CreateMainMenu(&window, [&](int command) { commands.push_back(command); });
        window.layout()->setMenuBar(menuBar);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const auto& [keys, command] : expected) {
            QCOMPARE(FindMenuCommand(menuBar, command)->shortcut(), QKeySequence(keys));
            QTest::keyClick(&window, keys.key(), keys.keyboardModifiers());
            QCOMPARE(commands.back(), command);
        }
        // A grayed item's accelerator sends nothing.
        FindMenuCommand(menuBar, kMenuImportSettings)->setEnabled(false);
        const std::size_t before = commands.size();
        QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(commands.size(), before);
    }

    void iconsExistForTheirIds() {
        for (IconId id : {kIconProgram, kIconStop, kIconNote}) {
            QVERIFY2(!ResourceIcon(id).pixmap(32, 32).isNull(), qPrintable(QString::number(id)));
        }
        QVERIFY(ResourceIcon(IconId(130)).isNull());
    }

    void defaultSoftwareImageIsTheBuildsDeterministicPayload() {
        const QString path =
            QStringLiteral(":/") + QString::fromUtf8(ResourceString(kStrFirmwareResourceType).data()) +
            QStringLiteral("/") + QString::fromUtf8(ResourceString(kStrFirmwareResourceName).data());
        QCOMPARE(path, QStringLiteral(":/Firmware/FirmwareImage"));
        QFile image(path);
        QVERIFY(image.open(QIODevice::ReadOnly));
        const QByteArray bytes = image.readAll();
        QCOMPARE(bytes.size(), qsizetype{684528});
        const std::vector<std::uint8_t> expected = MakeDefaultFirmwareImage();
        QVERIFY(std::equal(expected.begin(), expected.end(),
                           reinterpret_cast<const std::uint8_t*>(bytes.data())));
        // Not a block of one repeated byte: the upload's checksum has something to check.
        QVERIFY(bytes.count(bytes.at(bytes.size() / 2)) < bytes.size() / 100);
    }
};

} // namespace corvane

QTEST_MAIN(corvane::ResourcesTest)
#include "resources_test.moc"
