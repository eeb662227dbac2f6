#include "player/ActionRunner.h"
#include "player/AreaFile.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/state/GameVariables.h"
#include "support/PlayerReaders.h"
#include "support/GameFiles.h"

#include <gtest/gtest.h>

namespace {

using GameFiles::Action;
using GameFiles::Area;

class AreaRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.makeGame();
        GameFiles::writeFrame(project, QStringLiteral("Hall"), {});
        variables.Add(QStringLiteral("zero"), 0);
        variables.Add(QStringLiteral("one"), 1);
    }
    std::optional<bool> visible(int n) { return PlayerReaders::isVisible(QStringLiteral("Hall"), n, disappeared, variables); }

    TempProject project;
    VariablesCollection variables;
    VariablesCollection disappeared;
};

TEST_F(AreaRulesTest, ConditionsDecideVisibility)
{
    Area area;
    area.mustBeZero = {QStringLiteral("one")};
    GameFiles::writeArea(project, QStringLiteral("Hall"), 1, area);  // not conditional: lists ignored
    area.conditional = 1;
    GameFiles::writeArea(project, QStringLiteral("Hall"), 2, area);
    area.mustBeZero = {QStringLiteral("zero"), QStringLiteral("gone")};
    area.mustBeOne = {QStringLiteral("one"), QStringLiteral("removed")};
    GameFiles::writeArea(project, QStringLiteral("Hall"), 3, area);  // unknown names never hide
    area.mustBeZero = {};
    area.mustBeOne = {QStringLiteral("zero")};
    GameFiles::writeArea(project, QStringLiteral("Hall"), 4, area);

    EXPECT_EQ(visible(1), true);
    EXPECT_EQ(visible(2), false);
    EXPECT_EQ(visible(3), true);
    EXPECT_EQ(visible(4), false);
    disappeared.Add(QStringLiteral("Hall"), 3);
    disappeared.Add(QStringLiteral("Other"), 1);
    EXPECT_EQ(visible(3), false);
    EXPECT_EQ(visible(1), true);
    EXPECT_EQ(visible(9), std::nullopt);  // no file
}

TEST_F(AreaRulesTest, ListsLongerThanTheFileFailQuickly)
{
    project.writeLines(QStringLiteral("Areas/Hall/1a.dat"),
                       {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("10"),
                        QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#"), QStringLiteral("\"\""), QStringLiteral("1"),
                        QStringLiteral("\"\""), QStringLiteral("1"), QStringLiteral("32767"), QStringLiteral("\"zero\"")});
    EXPECT_EQ(visible(1), std::nullopt);
    project.writeLines(QStringLiteral("Areas/Hall/2a.dat"), {QStringLiteral("0"), QStringLiteral("left")});
    AreaPlacement p;
    const RecordRead read = RecordFile::load(project.path() + QStringLiteral("Areas/Hall/2a.dat"), p);
    EXPECT_FALSE(read.complete);
    EXPECT_EQ(AreaFile::placementStep(read), 0);
}

TEST_F(AreaRulesTest, VisibilityReadsOnlyWhatItNeeds)
{
    // A word where the rectangle belongs: the placement stops there, but the
    // condition behind it still decides.
    const QStringList conditionOnOne = {QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#"), QStringLiteral("\"\""),
                                        QStringLiteral("1"),      QStringLiteral("\"\""),   QStringLiteral("1"),
                                        QStringLiteral("0"),      QStringLiteral("1"),       QStringLiteral("\"one\"")};
    project.writeLines(QStringLiteral("Areas/Hall/1a.dat"),
                       QStringList{QStringLiteral("left"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("10")}
                           + conditionOnOne);
    AreaPlacement p;
    const RecordRead read = RecordFile::load(project.path() + QStringLiteral("Areas/Hall/1a.dat"), p);
    EXPECT_FALSE(read.complete);
    EXPECT_EQ(AreaFile::placementStep(read), 0);
    EXPECT_EQ(visible(1), true);
    GameVariables::change(variables, QStringLiteral("one"), 0);
    EXPECT_EQ(visible(1), false);
    GameVariables::change(variables, QStringLiteral("one"), 1);

    // Cut short right after a name that fails: hidden; after one that holds: open.
    project.writeLines(QStringLiteral("Areas/Hall/2a.dat"),
                       {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("10"),
                        QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#"), QStringLiteral("\"\""), QStringLiteral("1"),
                        QStringLiteral("\"\""), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("\"one\"")});
    EXPECT_EQ(visible(2), false);
    project.writeLines(QStringLiteral("Areas/Hall/3a.dat"),
                       {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("10"),
                        QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#"), QStringLiteral("\"\""), QStringLiteral("1"),
                        QStringLiteral("\"\""), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("\"zero\"")});
    EXPECT_EQ(visible(3), std::nullopt);  // the second list's count is missing

    // A disappeared area is hidden whatever its file holds.
    project.writeLines(QStringLiteral("Areas/Hall/4a.dat"), {QStringLiteral("garbage")});
    EXPECT_EQ(visible(4), std::nullopt);
    disappeared.Add(QStringLiteral("Hall"), 4);
    EXPECT_EQ(visible(4), false);
}

TEST_F(AreaRulesTest, PathsAndPointers)
{
    using ProjectFiles::AreaPart;
    EXPECT_EQ(ProjectFiles::areaFile(QStringLiteral("../x"), 1, AreaPart::Placement), QString());
    EXPECT_EQ(ProjectFiles::areaFile(QStringLiteral("Hall"), 12, AreaPart::Action),
              ProjectPaths::AreasPath + QStringLiteral("Hall/12b.dat"));
    EXPECT_EQ(ProjectFiles::eventFile(QStringLiteral("Hall"), 3, QStringLiteral("a/b")), QString());
    EXPECT_EQ(ProjectFiles::eventFile(QStringLiteral("Hall"), 3, QStringLiteral("Key")),
              ProjectPaths::AreasPath + QStringLiteral("Hall/3_Key.drg"));
    EXPECT_FALSE(AreaFile::hasCustomPointer(QString()));
    EXPECT_FALSE(AreaFile::hasCustomPointer(QStringLiteral("DeFault")));
    EXPECT_TRUE(AreaFile::hasCustomPointer(QStringLiteral("hand.cur")));
}

// Records what an action asks of the game.
struct RecordedEffects : ActionEffects {
    QStringList log;
    void changeVariable(const QString& n, qint16 v) override { log << QStringLiteral("var %1 %2").arg(n).arg(v); }
    void showMessage(const QString& t) override { log << QStringLiteral("message ") + t; }
    void playSound(const QString& f) override { log << QStringLiteral("sound ") + f; }
    void removePickedObject(qint16 i) override { log << QStringLiteral("remove %1").arg(i); }
    void disappear(qint16 a) override { log << QStringLiteral("disappear %1").arg(a); }
    void openFrame(const QString& n) override { log << QStringLiteral("open ") + n; }
};

TEST_F(AreaRulesTest, ActionRunsItsStepsInTheirFixedOrder)
{
    Action a;
    a.changeVariable = 1;
    a.variable = QStringLiteral("door");
    a.invert = true;
    a.showMessage = 1;
    a.message = QStringLiteral("Creak, the door.");
    a.playSound = 1;
    a.sound = QStringLiteral("creak.wav");
    a.disappear = 1;
    a.goToFrame = 1;
    a.target = QStringLiteral("Yard");
    GameFiles::writeAction(project, QStringLiteral("Hall"), 1, a);
    RecordedEffects effects;
    const ActionOutcome outcome =
        PlayerReaders::runAction(QStringLiteral("Hall"), 1, effects);
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.result, ActionOutcome::FrameOpened);
    EXPECT_EQ(effects.log, QStringList({QStringLiteral("var door -1"), QStringLiteral("message Creak, the door."),
                                        QStringLiteral("sound ") + ProjectPaths::AreasPath + QStringLiteral("creak.wav"),
                                        QStringLiteral("disappear 1"), QStringLiteral("open Yard")}));

    // On a drop, "disappear" removes the dropped object instead.
    RecordedEffects dropEffects;
    a = Action();
    a.disappear = 1;
    GameFiles::writeEvent(project, QStringLiteral("Hall"), 1, QStringLiteral("key"), a);
    PlayerReaders::runEvent(QStringLiteral("Hall"), 1, QStringLiteral("key"), 3, dropEffects);
    EXPECT_EQ(dropEffects.log, QStringList{QStringLiteral("remove 3")});
}

TEST_F(AreaRulesTest, StopWinsOverGoToAndFailuresKeepEarlierEffects)
{
    Action a;
    a.changeVariable = 0;  // the flag is off: no change even with an option set
    a.variable = QStringLiteral("door");
    a.setToOne = true;
    a.stopGame = 1;
    a.goToFrame = 1;
    a.target = QStringLiteral("Yard");
    GameFiles::writeAction(project, QStringLiteral("Hall"), 1, a);
    RecordedEffects effects;
    ActionOutcome outcome =
        PlayerReaders::runAction(QStringLiteral("Hall"), 1, effects);
    EXPECT_EQ(outcome.result, ActionOutcome::StopGame);
    EXPECT_TRUE(effects.log.isEmpty());

    // Cut after the message: the variable change and the message stay.
    project.writeLines(QStringLiteral("Areas/Hall/2b.dat"),
                       {QStringLiteral("1"), QStringLiteral("\"door\""), QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#"),
                        QStringLiteral("#FALSE#"), QStringLiteral("1"), QStringLiteral("\"Hi\""), QStringLiteral("one")});
    RecordedEffects cut;
    outcome = PlayerReaders::runAction(QStringLiteral("Hall"), 2, cut);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(cut.log, QStringList({QStringLiteral("var door 0"), QStringLiteral("message Hi")}));

    // A missing click record fails; a missing event record is silent.
    RecordedEffects none;
    EXPECT_TRUE(PlayerReaders::runAction(QStringLiteral("Hall"), 7, none).failed);
    EXPECT_FALSE(
        PlayerReaders::runEvent(QStringLiteral("Hall"), 7, QStringLiteral("x"), 1, none).failed);
    EXPECT_TRUE(none.log.isEmpty());
}

TEST_F(AreaRulesTest, ASoundNameThatIsNotPlainNeverLeavesTheAreasFolder)
{
    Action a;
    a.playSound = 1;
    a.sound = QStringLiteral("../../etc/passwd");
    GameFiles::writeAction(project, QStringLiteral("Hall"), 1, a);
    RecordedEffects effects;
    PlayerReaders::runAction(QStringLiteral("Hall"), 1, effects);
    EXPECT_EQ(effects.log, QStringList{QStringLiteral("sound ")});
}

}  // namespace
