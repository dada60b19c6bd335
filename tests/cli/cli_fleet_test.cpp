// SPDX-License-Identifier: Apache-2.0
#include "cli/backup_file_name.h"
#include "cli/exit_codes.h"
#include "cli/terminal_progress.h"
#include "cli_test_support.h"

#include <algorithm>
#include <condition_variable>
#include <filesystem>
#include <gtest/gtest.h>
#include <mutex>
#include <vector>

namespace corvane::cli::test {
namespace {

// Names equal but for case get suffixes by address, whatever order the stations come in, so a second run puts
// each station in the same file on any file system.
TEST(CliFleetTest, BackupFileNamesNeverCollideAndGoByAddress) {
    struct Case {
        std::uint32_t address;
        std::string name;
        std::uint8_t mac;
        bool identified;
        const char* file;
    };
    const Case cases[] = {
        {0x0A000009, "Lobby", 1, true, "Lobby-020000000001-3.cfg"},
        {0x0A000003, "LOBBY", 1, true, "LOBBY-020000000001.cfg"},
        {0x0A000005, "lobby", 1, true, "lobby-020000000001-2.cfg"},
        {0x0A000001, "Lobby", 1, false, ""},
        {0x0A000004, "Lobby", 2, true, "Lobby-020000000002.cfg"},
        {0x0A000002, "Other", 1, true, "Other-020000000001.cfg"},
    };
    for (const bool reversed : {false, true}) {
        std::vector<FleetStation> stations;
        for (const Case& c : cases) {
            FleetStation& station = stations.emplace_back();
            station.target.station.address = c.address;
            station.answer.syNm = c.name;
            station.answer.wanMac = {0x02, 0, 0, 0, 0, c.mac};
            station.identified = c.identified;
        }
        if (reversed) {
            std::reverse(stations.begin(), stations.end());
        }
        const std::vector<QString> names = BackupFileNames(stations);
        ASSERT_EQ(names.size(), std::size(cases));
        for (std::size_t i = 0; i < names.size(); ++i) {
            const Case& c = cases[reversed ? std::size(cases) - 1 - i : i];
            EXPECT_EQ(names[i].toStdString(), c.file) << c.name << " at " << c.address;
        }
    }
}

TEST(CliFleetTest, ProgressIsDrawnOnATerminalOnly) {
    for (const bool terminal : {true, false}) {
        QString text;
        {
            QTextStream err(&text);
            TerminalProgress progress(err, terminal);
            progress.Show(TerminalProgress::Count(12, 40));
            progress.Show(TerminalProgress::Count(13, 40));
        }
        if (terminal) {
            EXPECT_EQ(text, "\r\x1b[K12/40 stations |\r\x1b[K13/40 stations /\r\x1b[K");
        } else {
            EXPECT_TRUE(text.isEmpty());
        }
    }
}

// Where backups cannot go is found before any station is asked.
TEST(CliFleetTest, BackupNeedsADirectoryItCanMake) {
    QTemporaryDir dir;
    WriteAll(dir.filePath("file"), "x");
    for (const QString& target : {dir.filePath("file"), dir.filePath("missing/backups")}) {
        const CliRun run = RunTool({"backup", "127.0.0.1", target}, "orchid\n");
        EXPECT_EQ(run.exit, kExitWriteFailed) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("corvane: " + target + ": ")) << run.err.toStdString();
    }
    const CliRun made =
        RunTool({"backup", "127.0.0.1:1", dir.filePath("new"), "--timeout", "0.2"}, "orchid\n");
    EXPECT_EQ(made.exit, kExitSomeFailed) << "nothing answers there";
    EXPECT_EQ(std::filesystem::status(dir.filePath("new").toStdString()).permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
}

} // namespace
} // namespace corvane::cli::test
