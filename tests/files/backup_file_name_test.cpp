// SPDX-License-Identifier: Apache-2.0
#include "files/backup_file_name.h"

#include <gtest/gtest.h>
#include <string>

namespace corvane {
namespace {

TEST(BackupFileNameTest, BackupFileNamesAreSafeOnEveryFileSystem) {
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

// Names equal but for case get suffixes by address, whatever order the subjects come in.
TEST(BackupFileNameTest, ClashingNamesGetSuffixesByAddress) {
    const std::vector<BackupSubject> subjects = {
        {"Lobby-1.cfg", 9, 0}, {"LOBBY-1.cfg", 3, 0}, {"", 1, 0}, {"lobby-1.cfg", 3, 7}, {"Other.cfg", 2, 0}};
    EXPECT_EQ(DistinctBackupFileNames(subjects),
              (std::vector<QString>{"Lobby-1-3.cfg", "LOBBY-1.cfg", "", "lobby-1-2.cfg", "Other.cfg"}));
}

} // namespace
} // namespace corvane
