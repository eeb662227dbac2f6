// The state key: the same state reached in different ways has one key, and
// states that can lead to different things have different keys.
#include "checker/CheckView.h"
#include "checker/FileVerdicts.h"
#include "checker/GameExplorer.h"
#include "checker/StateKeys.h"
#include "player/records/ProjectRecord.h"
#include "player/state/DiskGameRecords.h"
#include "player/state/GameSession.h"
#include "support/GameFiles.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

namespace {

// One frame with two areas that disappear when clicked, each giving an
// object, and a third that inverts a variable.
class StateKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.makeGame();
        GameFiles::Frame start;
        start.links = 3;
        GameFiles::writeFrame(project, QStringLiteral("Start"), start);
        GameFiles::Action disappear;
        disappear.disappear = 1;
        GameFiles::Action invert;
        invert.changeVariable = 1;
        invert.variable = QStringLiteral("Flag");
        invert.invert = true;
        for (int n = 1; n <= 2; ++n) {
            const QString object = n == 1 ? QStringLiteral("Cup") : QStringLiteral("Saucer");
            GameFiles::writeArea(project, QStringLiteral("Start"), n, {});
            GameFiles::writeAction(project, QStringLiteral("Start"), n, disappear);
            GameFiles::writePickable(project, QStringLiteral("Start"), n, object, QStringLiteral("thing.ico"));
            GameFiles::writeObject(project, object, QStringLiteral("thing.ico"));
        }
        GameFiles::writePicture(project, QStringLiteral("Areas/thing.ico"), QSize(16, 16));
        GameFiles::writeArea(project, QStringLiteral("Start"), 3, {});
        GameFiles::writeAction(project, QStringLiteral("Start"), 3, invert);
        GameFiles::writeVariables(project, {QStringLiteral("Flag")});
        ASSERT_TRUE(LoadProjectRecord());
    }

    GameSession play(std::initializer_list<int> clicks)
    {
        GameSession game = explorer.newGame();
        for (int n : clicks)
            game.click(qint16(n));
        return game;
    }

    TempProject project;
    FileVerdicts files;
    CheckView view{files};
    GameExplorer explorer{DiskGameRecords::instance(), view};
    StateKeys keys;
};

TEST_F(StateKeysTest, OrderOfDisappearingDoesNotMatterButInventoryOrderDoes)
{
    const GameSession cupFirst = play({1, 2});
    const GameSession saucerFirst = play({2, 1});
    EXPECT_EQ(cupFirst.inventory(), (QStringList{QStringLiteral("Cup"), QStringLiteral("Saucer")}));
    // Both areas have gone either way; the inventory holds its objects in
    // another order, which decides which one a drop moves.
    EXPECT_NE(keys.of(cupFirst), keys.of(saucerFirst));
    GameSession same = saucerFirst;
    same.removePickedObject(1);
    same.addPickedObject(QStringLiteral("Saucer"));
    EXPECT_EQ(same.inventory(), cupFirst.inventory());
    EXPECT_EQ(keys.of(same), keys.of(cupFirst));
}

TEST_F(StateKeysTest, VariableValuesTellStatesApart)
{
    const GameSession once = play({3});
    const GameSession twice = play({3, 3});
    EXPECT_NE(keys.of(once), keys.of(twice));
    EXPECT_EQ(keys.of(twice), keys.of(play({})));
}

TEST_F(StateKeysTest, MovesAreTheShownAreasAndTheDropsThatHaveEvents)
{
    GameFiles::Action stop;
    stop.stopGame = 1;
    GameFiles::writeEvent(project, QStringLiteral("Start"), 3, QStringLiteral("Cup"), stop);
    const GameSession game = play({1});
    const QList<Move> moves = explorer.moves(game);
    EXPECT_EQ(moves, (QList<Move>{Move::click(2), Move::click(3), Move::drop(1, 3)}));
    EXPECT_EQ(Move::unpacked(Move::drop(7, 12).packed()), Move::drop(7, 12));
    EXPECT_EQ(Move::drop(1, 3).command(), QStringLiteral("drag 1 3"));
    EXPECT_EQ(Move::wait().command(8000), QStringLiteral("wait 8.5"));
}

}  // namespace
