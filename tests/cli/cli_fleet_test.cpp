#include "cli/backup_file_name.h"
#include "cli/exit_codes.h"
#include "cli/fleet_runner.h"
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

TEST(CliFleetTest, BackupFileNamesAreSafeOnEveryFileSystem) {
    struct Case {
        std::string name; // Windows-1252, as the station sends it
        const char* file;
    };
    const Case cases[] = {
        {"Base Station 1", "Base_Station_1-02CB02000007.cfg"},
        {"../../etc/passwd", "_.._etc_passwd-02CB02000007.cfg"},
        {"Caf\xE9 \x80 Nord", "Caf_Nord-02CB02000007.cfg"},
        {"...", "station-02CB02000007.cfg"},
        {"", "station-02CB02000007.cfg"},
        {"a\\b:c*d?e\"f<g>h|i\x01j", "a_b_c_d_e_f_g_h_i_j-02CB02000007.cfg"},
        {std::string(100, 'x'),
         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx-02CB02000007.cfg"},
    };
    for (const Case& c : cases) {
        ConfigRecord answer;
        answer.syNm = c.name;
        answer.wanMac = {0x02, 0xCB, 0x02, 0x00, 0x00, 0x07};
        EXPECT_EQ(BackupFileName(answer).toStdString(), c.file) << c.name;
    }
}

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

// Never more stations at once than allowed, and all of them at once when there are as many: the first eight
// jobs only end once eight are running together.
TEST(CliFleetTest, FleetRunsAtMostItsParallelismAtOnce) {
    std::mutex mutex;
    std::condition_variable changed;
    int running = 0, most = 0;
    std::vector<std::size_t> finished;
    const std::size_t begun = RunFleet(
        30, kFleetParallelism, kFleetWaiting,
        [&](std::size_t, FleetPlace&) {
            std::unique_lock lock(mutex);
            most = std::max(most, ++running);
            changed.notify_all();
            changed.wait_for(lock, std::chrono::seconds(10), [&] { return most == int(kFleetParallelism); });
            --running;
            return true;
        },
        [&](std::size_t index) { finished.push_back(index); }, [] {});
    EXPECT_EQ(begun, 30u);
    EXPECT_EQ(most, int(kFleetParallelism));
    std::sort(finished.begin(), finished.end());
    ASSERT_EQ(finished.size(), 30u);
    for (std::size_t i = 0; i < finished.size(); ++i) {
        EXPECT_EQ(finished[i], i);
    }
}

TEST(CliFleetTest, AJobThatSaysStopLeavesTheRestUnbegun) {
    std::vector<std::size_t> finished;
    const std::size_t begun = RunFleet(
        10, 1, 0, [](std::size_t index, FleetPlace&) { return index != 3; },
        [&](std::size_t index) { finished.push_back(index); }, [] {});
    EXPECT_EQ(begun, 4u);
    EXPECT_EQ(finished, (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(RunFleet(
                  0, 8, 0, [](std::size_t, FleetPlace&) { return true; }, [](std::size_t) {}, [] {}),
              0u);
}

// A station waiting for its restart gives up its place: with one place, the second station runs while the
// first waits, and the third, begun after the second stopped the fleet, never begins.
TEST(CliFleetTest, AWaitLetsTheNextStationBeginButNotAfterAStop) {
    std::mutex mutex;
    std::condition_variable changed;
    bool secondRan = false;
    std::vector<std::size_t> begun;
    const std::size_t count = RunFleet(
        3, 1, 2,
        [&](std::size_t index, FleetPlace& place) {
            std::unique_lock lock(mutex);
            begun.push_back(index);
            if (index == 0) {
                lock.unlock();
                place.WaitWithout([&] {
                    std::unique_lock waiting(mutex);
                    changed.wait_for(waiting, std::chrono::seconds(10), [&] { return secondRan; });
                });
                return true;
            }
            secondRan = true;
            changed.notify_all();
            return false;
        },
        [](std::size_t) {}, [] {});
    EXPECT_EQ(count, 2u);
    EXPECT_TRUE(secondRan);
    EXPECT_EQ(begun, (std::vector<std::size_t>{0, 1}));
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
