// Dead ends through a drop and through a duration, and the walkthrough of a
// game whose way to the end waits for a duration.
#include "apps/playtest/PlaytestScript.h"
#include "apps/playtest/SessionPlayer.h"
#include "checker/GameChecker.h"
#include "player/state/CachedGameRecords.h"
#include "player/state/DiskGameRecords.h"
#include "support/GameFiles.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

namespace {

GameFiles::Action goTo(const QString& frame)
{
    GameFiles::Action action;
    action.goToFrame = 1;
    action.target = frame;
    return action;
}

GameFiles::Action stopGame()
{
    GameFiles::Action action;
    action.stopGame = 1;
    return action;
}

// Start: area 1 gives a stone (and goes), area 2 leads on. A frame that
// moves on by itself after 3 seconds to Pit, where nothing can be done;
// dropping the stone on area 2 of Start also leads to Pit. Clicking area 2
// of Start leads to Hill, whose area ends the game.
class ExplorationFindingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.makeGame(QStringLiteral("Quarry"));
        GameFiles::writeVariables(project, {});
        GameFiles::Frame start;
        start.links = 2;
        start.hasDuration = true;
        start.durationSeconds = 3;
        start.durationTarget = QStringLiteral("Pit");
        GameFiles::writeFrame(project, QStringLiteral("Start"), start);
        GameFiles::writeArea(project, QStringLiteral("Start"), 1, {});
        GameFiles::Action pick;
        pick.disappear = 1;
        GameFiles::writeAction(project, QStringLiteral("Start"), 1, pick);
        GameFiles::writePickable(project, QStringLiteral("Start"), 1, QStringLiteral("Stone"), QStringLiteral("stone.ico"));
        GameFiles::writeObject(project, QStringLiteral("Stone"), QStringLiteral("stone.ico"));
        GameFiles::writePicture(project, QStringLiteral("Areas/stone.ico"), QSize(16, 16));
        GameFiles::writeArea(project, QStringLiteral("Start"), 2, {});
        GameFiles::writeAction(project, QStringLiteral("Start"), 2, goTo(QStringLiteral("Hill")));
        GameFiles::writeEvent(project, QStringLiteral("Start"), 2, QStringLiteral("Stone"), goTo(QStringLiteral("Pit")));
        GameFiles::Frame pit;
        GameFiles::writeFrame(project, QStringLiteral("Pit"), pit);
        GameFiles::Frame hill;
        hill.links = 1;
        GameFiles::writeFrame(project, QStringLiteral("Hill"), hill);
        GameFiles::writeArea(project, QStringLiteral("Hill"), 1, {});
        GameFiles::writeAction(project, QStringLiteral("Hill"), 1, stopGame());
    }

    TempProject project;
};

TEST_F(ExplorationFindingsTest, DeadEndsThroughADurationAndADropNameTheirWay)
{
    const std::optional<CheckReport> report = GameChecker::check(project.path());
    ASSERT_TRUE(report.has_value());
    QStringList found;
    for (const Finding& f : report->findings)
        found << f.text();
    EXPECT_EQ(found,
              (QStringList{
                  QStringLiteral("dead end: frame Start, Frames/Start.fme: the end of its duration can lead where no "
                                 "ending can be reached any more (shortest way: new, wait 3.5)"),
                  QStringLiteral("dead end: frame Start, area 2, Areas/Start/2_Stone.drg: dropping 'Stone' on it can "
                                 "lead where no ending can be reached any more (shortest way: new, click 1, drag 1 2)"),
              }));
}

// The scripted player lets time pass only in `wait` steps: the walkthrough
// waits just past the duration, and the next frame's own duration has not
// ended by then.
TEST_F(ExplorationFindingsTest, WalkthroughWaitsForADurationThatLeadsOn)
{
    GameFiles::Frame start;
    start.links = 0;
    start.hasDuration = true;
    start.durationSeconds = 2;
    start.durationTarget = QStringLiteral("Hill");
    GameFiles::writeFrame(project, QStringLiteral("Start"), start);
    GameFiles::Frame hill;
    hill.links = 1;
    hill.hasDuration = true;
    hill.durationSeconds = 1;
    hill.durationTarget = QStringLiteral("Pit");
    GameFiles::writeFrame(project, QStringLiteral("Hill"), hill);

    const std::optional<CheckReport> report = GameChecker::check(project.path());
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->walkthrough, (QStringList{QStringLiteral("new"), QStringLiteral("expect frame Start"),
                                                QStringLiteral("wait 2.5"), QStringLiteral("expect frame Hill"),
                                                QStringLiteral("click 1"), QStringLiteral("expect welcome")}));
    const PlaytestScript script = PlaytestScript::parse(report->walkthrough.join(QLatin1Char('\n')));
    ASSERT_TRUE(script.isValid());
    CachedGameRecords records(DiskGameRecords::instance());
    SessionPlayer player(records);
    for (const PlaytestCommand& command : script.commands())
        ASSERT_FALSE(player.play(command).has_value()) << command.text.toStdString();
}

}  // namespace
