// The game session without any window: the demo game played from its
// walkthrough to its end, cached files against files read from disk, copies
// of a session, and drops that find no event.

#include "apps/playtest/PlaytestScript.h"
#include "apps/playtest/SessionPlayer.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/state/CachedGameRecords.h"
#include "player/state/DiskGameRecords.h"
#include "player/state/GameSession.h"
#include "player/state/HeadlessGameView.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

QString demoFolder() { return QStringLiteral(QUENDARA_SOURCE_DIR "/demo/"); }

// What playing the walkthrough gave: the state after every step, the frames
// opened and the messages shown, in order.
struct Played {
    QStringList states;
    QStringList frames;
    QStringList messages;
    QStringList failures;
};

Played playWalkthrough(GameRecords& records)
{
    const PlaytestScript script = PlaytestScript::load(demoFolder() + QStringLiteral("walkthrough.txt"));
    EXPECT_TRUE(script.isValid());
    SessionPlayer player(records);
    Played played;
    for (const PlaytestCommand& command : script.commands()) {
        if (const std::optional<QString> failure = player.play(command))
            played.failures << QStringLiteral("line %1 (%2): %3").arg(command.line).arg(command.text, *failure);
        played.states << QString::fromUtf8(QJsonDocument(player.state().toJson()).toJson(QJsonDocument::Compact));
    }
    played.frames = player.view().framesOpened();
    for (const HeadlessGameView::Message& message : player.view().messages())
        played.messages << message.text;
    return played;
}

// Counts what its records are asked for, by kind and name.
class CountingRecords final : public GameRecords {
public:
    LoadedRecord<FrameFile> frame(const QString& f) override { return count(u"frame", f), m_disk.frame(f); }
    LoadedRecord<LinksFile> links(const QString& f) override { return count(u"links", f), m_disk.links(f); }
    LoadedRecord<AreaPlacement> placement(const QString& f, int n) override
    {
        return count(u"placement", f, n), m_disk.placement(f, n);
    }
    LoadedRecord<AreaPlacement> condition(const QString& f, int n) override
    {
        return count(u"condition", f, n), m_disk.condition(f, n);
    }
    LoadedRecord<ActionRecord> action(const QString& f, int n) override { return count(u"action", f, n), m_disk.action(f, n); }
    LoadedRecord<ActionRecord> event(const QString& f, int n, const QString& o) override
    {
        return count(u"event", f + QLatin1Char('/') + o, n), m_disk.event(f, n, o);
    }
    LoadedRecord<PickableRecord> pickable(const QString& f, int n) override
    {
        return count(u"pickable", f, n), m_disk.pickable(f, n);
    }
    LoadedRecord<ObjectFile> object(const QString& o) override { return count(u"object", o), m_disk.object(o); }
    LoadedRecord<VariablesFile> variables() override { return count(u"variables", QString()), m_disk.variables(); }

    QHash<QString, int> asked;
    int total = 0;

private:
    void count(QStringView kind, const QString& name, int n = 0)
    {
        ++asked[kind.toString() + QLatin1Char(' ') + name + QLatin1Char(' ') + QString::number(n)];
        ++total;
    }
    DiskGameRecords m_disk;
};

class GameSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProjectPaths::setProjectPath(demoFolder());
        ASSERT_TRUE(LoadProjectRecord());
    }
    void TearDown() override
    {
        ProjectPaths::clear();
        ProjectRecord::current() = ProjectRecord();
    }

    // A new game of the demo, past its title and on the shore.
    void startOnTheShore(GameSession& game, HeadlessGameView& view)
    {
        game.resetAll();
        game.startNewGame();
        view.letTimePass(game, 9000);
        ASSERT_EQ(game.frame().Name, QStringLiteral("Shore"));
    }
};

TEST_F(GameSessionTest, TheDemoWalkthroughEndsWhereThePlayerEndsIt)
{
    const Played played = playWalkthrough(DiskGameRecords::instance());
    EXPECT_EQ(played.failures.join(QLatin1Char('\n')).toStdString(), "");
    EXPECT_EQ(played.frames, QStringLiteral("Title,Shore,Door,Door,Stairs,Cellar,Stairs,Cellar,Stairs,LampRoom,Gallery,"
                                            "LampRoom,Gallery,Beam,Dawn")
                                 .split(QLatin1Char(',')));
    EXPECT_EQ(played.messages.size(), 17);

    // The last state with the game on screen, as the scripted player logs
    // it with the game window; then the game ends on the welcome window.
    ASSERT_GE(played.states.size(), 5);
    EXPECT_EQ(played.states[played.states.size() - 5].toStdString(),
              R"({"areas":[{"height":1800,"left":1260,"n":1,"top":2850,"visible":true,"width":2250},)"
              R"({"height":1140,"left":3330,"n":2,"top":5640,"visible":true,"width":2940}],)"
              R"("disappeared":[["Shore",2],["Door",5],["Cellar",6],["Cellar",5]],"frame":"Dawn",)"
              R"("inventory":[{"left":0,"name":"Shell","top":0}],)"
              R"("variables":[["MatLifted",1],["DoorOpen",1],["LampLit",1]],"welcome":false})");
    EXPECT_TRUE(played.states.last().contains(QStringLiteral(R"("frame":null)")));
    EXPECT_TRUE(played.states.last().contains(QStringLiteral(R"("welcome":true)")));
}

TEST_F(GameSessionTest, CachedFilesPlayTheSameGameAndAreReadOnce)
{
    CountingRecords disk;
    CachedGameRecords cached(disk);
    const Played fromDisk = playWalkthrough(DiskGameRecords::instance());
    const Played fromCache = playWalkthrough(cached);
    EXPECT_EQ(fromCache.states, fromDisk.states);
    EXPECT_EQ(fromCache.frames, fromDisk.frames);
    EXPECT_EQ(fromCache.messages, fromDisk.messages);

    // Every file was read once, also the ones that do not exist.
    for (auto it = disk.asked.cbegin(); it != disk.asked.cend(); ++it)
        EXPECT_EQ(it.value(), 1) << qPrintable(it.key());
    const int firstRun = disk.total;
    EXPECT_EQ(playWalkthrough(cached).states, fromDisk.states);
    EXPECT_EQ(disk.total, firstRun);

    cached.clear();
    playWalkthrough(cached);
    EXPECT_EQ(disk.total, 2 * firstRun);
}

TEST_F(GameSessionTest, ACopyPlaysOnAsAnotherGame)
{
    HeadlessGameView view;
    GameSession game(DiskGameRecords::instance(), view);
    startOnTheShore(game, view);
    game.click(2);  // the shell, which disappears
    ASSERT_EQ(game.inventory(), QStringList{QStringLiteral("Shell")});
    const qsizetype messages = view.messages().size();

    GameSession copy = game;
    HeadlessGameView otherView;
    copy.setView(otherView);
    EXPECT_EQ(copy.areas(), game.areas());
    copy.click(1);
    copy.changeVariableValue(QStringLiteral("MatLifted"), 1);
    copy.removePickedObject(1);
    copy.startDrag(1);

    EXPECT_EQ(copy.frame().Name, QStringLiteral("Door"));
    EXPECT_EQ(copy.variableValue(QStringLiteral("MatLifted")), 1);
    EXPECT_TRUE(copy.inventory().isEmpty());
    EXPECT_EQ(otherView.framesOpened(), QStringList{QStringLiteral("Door")});

    EXPECT_EQ(game.frame().Name, QStringLiteral("Shore"));
    EXPECT_EQ(game.frame().LinksCount, 4);
    EXPECT_EQ(game.variableValue(QStringLiteral("MatLifted")), 0);
    EXPECT_EQ(game.inventory(), QStringList{QStringLiteral("Shell")});
    EXPECT_EQ(game.disappeared().Count(), 1);
    EXPECT_FALSE(game.areas()[1].visible);
    EXPECT_EQ(view.messages().size(), messages);
    EXPECT_EQ(view.framesOpened().last(), QStringLiteral("Shore"));

    // The first game goes on from where it was.
    game.click(1);
    EXPECT_EQ(game.frame().Name, QStringLiteral("Door"));
    EXPECT_EQ(game.inventory(), QStringList{QStringLiteral("Shell")});
}

TEST_F(GameSessionTest, ADropWithoutAnEventChangesNothing)
{
    HeadlessGameView view;
    GameSession game(DiskGameRecords::instance(), view);
    startOnTheShore(game, view);
    game.click(2);
    game.click(1);
    ASSERT_EQ(game.frame().Name, QStringLiteral("Door"));
    const GameSession before = game;
    const qsizetype messages = view.messages().size();

    // The mat (area 3) has no event for the shell, nor has the door for an
    // object the inventory does not hold.
    ASSERT_TRUE(game.startDrag(1));
    game.drop(3);
    game.makeAction(1, 2);
    EXPECT_FALSE(game.startDrag(2));

    EXPECT_EQ(game.frame().Name, before.frame().Name);
    EXPECT_EQ(game.variables(), before.variables());
    EXPECT_EQ(game.disappeared(), before.disappeared());
    EXPECT_EQ(game.inventory(), before.inventory());
    EXPECT_EQ(game.areas(), before.areas());
    EXPECT_EQ(game.draggedObjectIndex(), 1);
    EXPECT_EQ(view.messages().size(), messages);

    // The shell on the door knocks: an event that exists.
    game.drop(1);
    EXPECT_EQ(view.messages().size(), messages + 1);
}

TEST_F(GameSessionTest, SavedGamesComeBackIntoAResetGame)
{
    HeadlessGameView view;
    GameSession game(DiskGameRecords::instance(), view);
    startOnTheShore(game, view);
    game.click(2);
    game.click(1);
    game.click(3);  // lifts the mat
    const SavedGame saved = game.toSavedGame();
    EXPECT_EQ(saved.frame, QStringLiteral("Door"));
    EXPECT_EQ(saved.inventory, QStringList{QStringLiteral("Shell")});

    HeadlessGameView otherView;
    GameSession loaded(DiskGameRecords::instance(), otherView);
    loaded.resetAll();
    loaded.loadVariables();
    loaded.restore(saved);
    loaded.openFrame(saved.frame);
    EXPECT_EQ(loaded.variables(), game.variables());
    EXPECT_EQ(loaded.disappeared(), game.disappeared());
    EXPECT_EQ(loaded.inventory(), game.inventory());
    EXPECT_EQ(loaded.areas(), game.areas());
    EXPECT_TRUE(otherView.messages().isEmpty());
}

}  // namespace
