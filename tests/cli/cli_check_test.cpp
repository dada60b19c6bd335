// SPDX-License-Identifier: Apache-2.0
// check, and the refusal of a configuration that breaks the base station's rules by import and write: the
// shared table of rule cases, each told with the desktop utility's message for it.
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "config/config_file.h"
#include "rule_cases.h"
#include "sim_fixture.h"
#include "strings/string_table.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace corvane::cli::test {
namespace {

using corvane::testing::CaseRecord;
using corvane::testing::kRuleCases;
using corvane::testing::RuleCase;

QString Tag(PropertyTag tag) {
    const char text[] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag), 0};
    return QString::fromLatin1(text);
}

// The message's first line, as the tool's one-line report holds it.
QString FirstLine(StringId id) {
    return QString::fromUtf8(ResourceString(id).data(), qsizetype(ResourceString(id).size()))
        .section('\n', 0, 0);
}

class CliCheckTest : public sim::test::SimTest {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QString WriteRecord(const ConfigRecord& record, const char* name = "case.cfg") {
        std::vector<std::uint8_t> image;
        EXPECT_EQ(WriteConfigFile(record, image), 0);
        WriteAll(Path(name),
                 QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())));
        return Path(name);
    }
    QTemporaryDir dir_;
};

TEST_F(CliCheckTest, EveryCaseIsToldWithItsMessageAndProperty) {
    for (const RuleCase& rule : kRuleCases) {
        const QString path = WriteRecord(CaseRecord(rule));
        const CliRun text = RunTool({"check", path});
        EXPECT_EQ(text.exit, kExitRulesBroken) << rule.name;
        EXPECT_TRUE(text.out.startsWith(QStringLiteral("%1: %2 (").arg(path, Tag(rule.property))))
            << rule.name << ": " << text.out.toStdString();
        EXPECT_TRUE(text.out.contains(FirstLine(rule.message))) << rule.name;
        EXPECT_EQ(text.out.count('\n'), 1) << rule.name << ": one line a broken rule";

        const CliRun json = RunTool({"check", path, "--json"});
        EXPECT_EQ(json.exit, kExitRulesBroken) << rule.name;
        const QJsonArray list = QJsonDocument::fromJson(json.out.toUtf8()).array();
        ASSERT_EQ(list.size(), 1) << rule.name;
        const QJsonObject broken = list.first().toObject();
        EXPECT_EQ(broken.value("tag").toString(), Tag(rule.property)) << rule.name;
        EXPECT_FALSE(broken.value("meaning").toString().isEmpty()) << rule.name;
        EXPECT_EQ(broken.value("messageId").toInt(), int(rule.message)) << rule.name;
        EXPECT_EQ(broken.value("text").toString().toStdString(), std::string(ResourceString(rule.message)))
            << rule.name;
    }
}

TEST_F(CliCheckTest, AConfigurationThatKeepsEveryRulePasses) {
    const QString path = WriteRecord(ConfigRecord{});
    const CliRun text = RunTool({"check", path});
    EXPECT_EQ(text.exit, kExitSuccess);
    EXPECT_EQ(text.out, path + ": keeps every rule of the base station\n");
    const CliRun json = RunTool({"check", path, "--json"});
    EXPECT_EQ(json.exit, kExitSuccess);
    EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).array(), QJsonArray());
    EXPECT_EQ(RunTool({"check", Path("missing.cfg")}).exit, kExitReadFailed);
    EXPECT_EQ(RunTool({"check"}).exit, kExitUsage);
}

TEST_F(CliCheckTest, SeveralBrokenRulesAreToldInThePagesOrder) {
    ConfigRecord record;
    record.raNm = "a_b";
    record.raCh = 99;
    record.dhLe = 60;
    const CliRun run = RunTool({"check", WriteRecord(record)});
    EXPECT_EQ(run.exit, kExitRulesBroken);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << run.out.toStdString();
    EXPECT_TRUE(lines[0].contains(": raNm (")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(": raCh (")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(": dhLe (")) << lines[2].toStdString();
}

TEST_F(CliCheckTest, ImportRefusesABrokenRuleAndWritesNothingUnlessNoCheck) {
    WriteAll(Path("in.json"), R"({"raCh": 99, "raWM": 1, "raWE": "01020304050607"})");
    const CliRun refused = RunTool({"import", Path("in.json"), "-o", Path("out.cfg")});
    EXPECT_EQ(refused.exit, kExitRulesBroken);
    EXPECT_TRUE(refused.err.contains(Path("in.json") + ": raCh (")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(Path("in.json") + ": raWE (")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(FirstLine(kStrChannelNotAllowed)));
    EXPECT_FALSE(QFile::exists(Path("out.cfg")));

    const CliRun sent = RunTool({"import", Path("in.json"), "-o", Path("out.cfg"), "--no-check"});
    EXPECT_EQ(sent.exit, kExitSuccess) << sent.err.toStdString();
    EXPECT_TRUE(sent.err.contains(": raCh (")) << "the broken rules are still told";
    EXPECT_EQ(RunTool({"check", Path("out.cfg")}).exit, kExitRulesBroken);
}

TEST_F(CliCheckTest, WriteRefusesBeforeAskingThePasswordUnlessNoCheck) {
    sim::test::RunningFleet running(Options(), stateDir_);
    const QString host = QString::fromStdString(running.SessionHost(1));
    ConfigRecord record;
    record.syNm = "Cellar";
    record.waIn = 4; // a modem without the user information it needs
    const QString path = WriteRecord(record);
    for (const char* option : {"", "--dry-run"}) {
        QStringList args = {"write", host, path};
        if (*option != '\0') {
            args << QString::fromLatin1(option);
        }
        const CliRun refused = RunTool(args, "orchid\n");
        EXPECT_EQ(refused.exit, kExitRulesBroken) << option;
        EXPECT_TRUE(refused.err.contains(path + ": moPN (")) << refused.err.toStdString();
        EXPECT_EQ(refused.out, QString()) << option;
        EXPECT_FALSE(running.fleet().StationAt(0).IsDown()) << "nothing was sent";
        EXPECT_NE(running.fleet().StationAt(0).Configuration().syNm, "Cellar");
    }
    const CliRun sent = RunTool({"write", host, path, "--no-check"}, "orchid\n");
    EXPECT_EQ(sent.exit, kExitSuccess) << sent.err.toStdString();
    EXPECT_EQ(running.fleet().StationAt(0).Configuration().syNm, "Cellar");
}

} // namespace
} // namespace corvane::cli::test
