// SPDX-License-Identifier: Apache-2.0
#include "config/restart_time.h"

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace corvane {
namespace {

// Local time is UTC for these tests; the locale is the one a test chooses.
class RestartTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void TearDown() override { std::setlocale(LC_TIME, "C"); }

    static std::string At(std::int32_t created, std::uint32_t uptimeTicks) {
        ConfigRecord record;
        record.createdTime = created;
        record.uptimeTicks = uptimeTicks;
        return RestartTimeText(record);
    }
};

TEST_F(RestartTimeTest, ArrivalLessUpTimeWithAmOrPm) {
    const struct {
        std::int32_t created;
        std::uint32_t ticks;
        const char* text;
    } cases[] = {
        {1'765'368'245, 0, "2025/12/10, 12:04:05 PM"}, // 12:04:05 UTC
        {1'765'368'245, 100 * 3600, "2025/12/10, 11:04:05 AM"},
        {1'765'368'245, 100 * 12 * 3600 + 99, "2025/12/10, 12:04:05 AM"}, // a part second of up-time counts 0
        {1'765'368'245 + 3 * 3600, 0, "2025/12/10, 03:04:05 PM"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(At(c.created, c.ticks), c.text);
    }
}

// A locale whose AM/PM texts are empty, as de_DE's and fr_FR's are, built from the system's locale sources.
TEST_F(RestartTimeTest, AmOrPmShowsInALocaleThatHasNone) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("corvane-locale-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "source") << "LC_CTYPE\ncopy \"POSIX\"\nEND LC_CTYPE\n"
                                     "LC_TIME\ncopy \"de_DE\"\nEND LC_TIME\n";
    const std::string build = "localedef -c -i '" + (dir / "source").string() + "' -f UTF-8 '" +
                              (dir / "noampm").string() + "' >/dev/null 2>&1";
    // It warns of the categories the source leaves out, and exits 1 for that: setlocale tells whether it
    // built.
    [[maybe_unused]] const int warned = std::system(build.c_str());
    ::setenv("LOCPATH", dir.c_str(), 1);
    const bool available = std::setlocale(LC_TIME, "noampm") != nullptr;
    ::unsetenv("LOCPATH");
    if (!available) {
        std::filesystem::remove_all(dir);
        GTEST_SKIP() << "localedef or the de_DE locale source is not available";
    }
    std::tm afternoon{};
    afternoon.tm_hour = 15;
    char amPm[8] = "x";
    std::strftime(amPm, sizeof amPm, "%p", &afternoon);
    EXPECT_STREQ(amPm, "") << "the locale has AM/PM texts after all";
    EXPECT_EQ(At(1'765'368'245 + 3 * 3600, 0), "2025/12/10, 03:04:05 PM");
    EXPECT_EQ(At(1'765'368'245 - 9 * 3600, 0), "2025/12/10, 03:04:05 AM");
    std::setlocale(LC_TIME, "C");
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace corvane
