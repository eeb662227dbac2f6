// The checker on whole games: the test games under tests/data/check, each
// beside the exact report it must give, and the demo game.
#include "apps/playtest/PlaytestScript.h"
#include "apps/playtest/SessionPlayer.h"
#include "checker/GameChecker.h"
#include "checker/GameExplorer.h"
#include "player/state/CachedGameRecords.h"
#include "player/state/DiskGameRecords.h"
#include "support/GameFiles.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

const QString kCases = QStringLiteral(QUENDARA_TEST_DATA "/check/");
const QString kDemo = QStringLiteral(QUENDARA_SOURCE_DIR "/demo");

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(GameCheckerTest, EachTestGameGivesItsExpectedReport)
{
    const QStringList cases = QDir(kCases).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(cases.size(), 6);
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        const std::optional<CheckReport> report = GameChecker::check(kCases + name + QStringLiteral("/game"));
        ASSERT_TRUE(report.has_value());
        EXPECT_EQ(report->text().toStdString(), readText(kCases + name + QStringLiteral("/expected.txt")).toStdString());
        EXPECT_FALSE(report->findings.isEmpty()) << "every test game is built for a finding";
    }
}

TEST(GameCheckerTest, DemoChecksCleanAndEndsAtDawn)
{
    const std::optional<CheckReport> report = GameChecker::check(kDemo);
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->complete);
    for (const Finding& finding : report->findings)
        ADD_FAILURE() << finding.text().toStdString();
    ASSERT_EQ(report->endings.size(), 1);
    EXPECT_EQ(report->endings[0].frame, QStringLiteral("Dawn"));
    EXPECT_EQ(report->endings[0].file, QStringLiteral("Areas/Dawn/2b.dat"));
}

// The walkthrough the checker writes is a script the scripted player plays
// from the first step to the welcome window without a failed expectation.
TEST(GameCheckerTest, DemoWalkthroughPlaysToTheEndOnASession)
{
    const std::optional<CheckReport> report = GameChecker::check(kDemo);
    ASSERT_TRUE(report.has_value());
    const PlaytestScript script = PlaytestScript::parse(report->walkthrough.join(QLatin1Char('\n')));
    ASSERT_TRUE(script.isValid());
    CachedGameRecords records(DiskGameRecords::instance());
    SessionPlayer player(records);
    for (const PlaytestCommand& command : script.commands()) {
        const std::optional<QString> failure = player.play(command);
        ASSERT_FALSE(failure.has_value()) << command.text.toStdString() << ": " << failure->toStdString();
    }
    EXPECT_TRUE(player.state().welcome);
    EXPECT_EQ(script.commands().constLast().kind, PlaytestCommand::Kind::ExpectWelcome);
}

TEST(GameCheckerTest, BoundOnStatesStopsTheCheckAndSaysSo)
{
    const std::optional<CheckReport> report = GameChecker::check(kDemo, 20);
    ASSERT_TRUE(report.has_value());
    EXPECT_FALSE(report->complete);
    EXPECT_EQ(report->states, 20);
    ASSERT_EQ(report->findings.size(), 1);
    EXPECT_EQ(report->findings[0].kind, Finding::Kind::Unfinished);
    EXPECT_TRUE(report->text().contains(QStringLiteral("stopped at the bound")));
}

TEST(GameCheckerTest, ProjectWithoutItsRecordCannotBeChecked)
{
    TempProject empty;
    QString error;
    EXPECT_FALSE(GameChecker::check(empty.path(), GameChecker::kDefaultMaxStates, &error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("General")));
    EXPECT_FALSE(GameChecker::check(empty.path() + QStringLiteral("no-such-folder"), 10, &error).has_value());
}

// A pickable area that stays puts one more object into the inventory at
// every click, so the states would never end: the pick is reported, and
// states holding more copies than are followed are left unexplored, which
// leaves the check complete and takes no dead end for granted.
TEST(GameCheckerTest, ObjectPickedAgainAndAgainIsReportedAndCut)
{
    TempProject project;
    project.makeGame(QStringLiteral("Pebbles"));
    GameFiles::Frame start;
    start.links = 2;
    GameFiles::writeFrame(project, QStringLiteral("Start"), start);
    GameFiles::writeArea(project, QStringLiteral("Start"), 1, {});
    GameFiles::writeAction(project, QStringLiteral("Start"), 1, {});
    GameFiles::writePickable(project, QStringLiteral("Start"), 1, QStringLiteral("Pebble"), QStringLiteral("pebble.ico"));
    GameFiles::writeObject(project, QStringLiteral("Pebble"), QStringLiteral("pebble.ico"));
    GameFiles::writePicture(project, QStringLiteral("Areas/pebble.ico"), QSize(16, 16));
    GameFiles::writeArea(project, QStringLiteral("Start"), 2, {});
    GameFiles::Action stop;
    stop.stopGame = 1;
    GameFiles::writeAction(project, QStringLiteral("Start"), 2, stop);
    GameFiles::writeVariables(project, {});
    const std::optional<CheckReport> report = GameChecker::check(project.path());
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->complete);
    EXPECT_EQ(report->states, GameExplorer::kMostCopies + 1) << "none to three pebbles";
    ASSERT_EQ(report->findings.size(), 1);
    const Finding& pick = report->findings[0];
    EXPECT_EQ(pick.kind, Finding::Kind::RepeatedPick);
    EXPECT_EQ(pick.text(),
              QStringLiteral("endless pick: frame Start, area 1, Areas/Start/1c.dat: every click puts 'Pebble' into the "
                             "inventory once more; states holding more than 3 of it were not explored (shortest way: "
                             "new, click 1, click 1, click 1, click 1)"));
}

// The editor reads the report the checker program writes as JSON.
TEST(GameCheckerTest, JsonReportReadsBackAsTheReport)
{
    const std::optional<CheckReport> report = GameChecker::check(kCases + QStringLiteral("broken-references/game"));
    ASSERT_TRUE(report.has_value());
    const std::optional<CheckReport> back = CheckReport::fromJson(report->json());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->text().toStdString(), report->text().toStdString());
    EXPECT_EQ(back->findings, report->findings);
    EXPECT_EQ(back->walkthrough, report->walkthrough);
    EXPECT_FALSE(CheckReport::fromJson("not json").has_value());
}

// Objects of one name given by areas that go once clicked are all followed,
// however many there are.
TEST(GameCheckerTest, ObjectsOfOneNameFromManyAreasAreAllFollowed)
{
    TempProject project;
    project.makeGame(QStringLiteral("Coins"));
    GameFiles::writeVariables(project, {});
    GameFiles::Frame start;
    start.links = 6;
    GameFiles::writeFrame(project, QStringLiteral("Start"), start);
    GameFiles::Action pick;
    pick.disappear = 1;
    for (int n = 1; n <= 5; ++n) {
        GameFiles::writeArea(project, QStringLiteral("Start"), n, {});
        GameFiles::writeAction(project, QStringLiteral("Start"), n, pick);
        GameFiles::writePickable(project, QStringLiteral("Start"), n, QStringLiteral("Coin"), QStringLiteral("coin.ico"));
    }
    GameFiles::writeObject(project, QStringLiteral("Coin"), QStringLiteral("coin.ico"));
    GameFiles::writePicture(project, QStringLiteral("Areas/coin.ico"), QSize(16, 16));
    // A coin dropped on area 6 ends the game.
    GameFiles::Area exit;
    GameFiles::writeArea(project, QStringLiteral("Start"), 6, exit);
    GameFiles::writeAction(project, QStringLiteral("Start"), 6, {});
    GameFiles::Action stop;
    stop.stopGame = 1;
    GameFiles::writeEvent(project, QStringLiteral("Start"), 6, QStringLiteral("Coin"), stop);
    const std::optional<CheckReport> report = GameChecker::check(project.path());
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->complete);
    EXPECT_TRUE(report->findings.isEmpty()) << report->text().toStdString();
    EXPECT_EQ(report->states, 32) << "each of the five areas gone or not";
}

}  // namespace
