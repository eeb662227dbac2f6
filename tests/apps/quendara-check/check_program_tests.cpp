// The quendara-check program: its exit status, its JSON report and the
// walkthrough it writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString kCases = QStringLiteral(QUENDARA_TEST_DATA "/check/");

struct CheckRun {
    int status = -1;
    QByteArray out;
};

CheckRun check(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUENDARA_CHECK_PROGRAM), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput()};
}

TEST(CheckProgramTest, ExitStatusTellsCleanFoundAndUnreadable)
{
    EXPECT_EQ(check({QStringLiteral(QUENDARA_SOURCE_DIR "/demo")}).status, 0);
    EXPECT_EQ(check({kCases + QStringLiteral("one-way-door/game")}).status, 1);
    QTemporaryDir empty;
    EXPECT_EQ(check({empty.path()}).status, 2);
    EXPECT_EQ(check({}).status, 2);
}

TEST(CheckProgramTest, JsonReportNamesFrameAreaFileAndWay)
{
    const CheckRun run = check({kCases + QStringLiteral("one-way-door/game"), QStringLiteral("--json")});
    ASSERT_EQ(run.status, 1);
    const QJsonObject report = QJsonDocument::fromJson(run.out).object();
    EXPECT_TRUE(report[QStringLiteral("complete")].toBool());
    const QJsonArray findings = report[QStringLiteral("findings")].toArray();
    ASSERT_EQ(findings.size(), 1);
    const QJsonObject deadEnd = findings[0].toObject();
    EXPECT_EQ(deadEnd[QStringLiteral("kind")].toString(), QStringLiteral("dead end"));
    EXPECT_EQ(deadEnd[QStringLiteral("frame")].toString(), QStringLiteral("Hall"));
    EXPECT_EQ(deadEnd[QStringLiteral("area")].toInt(), 1);
    EXPECT_EQ(deadEnd[QStringLiteral("file")].toString(), QStringLiteral("Areas/Hall/1b.dat"));
    EXPECT_EQ(deadEnd[QStringLiteral("way")].toArray(), (QJsonArray{QStringLiteral("new"), QStringLiteral("click 1")}));
}

TEST(CheckProgramTest, WritesTheShortestWayToAnEndingAsAScript)
{
    QTemporaryDir work;
    const QString script = work.filePath(QStringLiteral("walkthrough.txt"));
    ASSERT_EQ(check({kCases + QStringLiteral("one-way-door/game"), QStringLiteral("--walkthrough"), script}).status, 1);
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.takeFirst().startsWith(QLatin1Char('#')));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("new"), QStringLiteral("expect frame Hall"), QStringLiteral("click 2"),
                                  QStringLiteral("expect frame Garden"), QStringLiteral("click 1"),
                                  QStringLiteral("expect welcome")}));
}

}  // namespace
