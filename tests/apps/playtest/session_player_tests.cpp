// Scripts played on a game session alone: the windows' part of a game
// (menus, saving, loading, the end of a game) and time passing only in
// waits, counted from when a frame's timer was set.

#include "apps/playtest/PlaytestScript.h"
#include "apps/playtest/SessionPlayer.h"
#include "player/records/ProjectRecord.h"
#include "player/state/DiskGameRecords.h"
#include "support/GameFiles.h"

#include <gtest/gtest.h>

namespace {

using GameFiles::Action;
using GameFiles::Area;
using GameFiles::Frame;

class SessionPlayerTest : public ::testing::Test {
protected:
    // Hall goes on to Yard after 2 seconds; its area 1 inverts the lamp with
    // a message, its area 2 stops the game. Yard's duration of 1 second has
    // no target; its area goes back to Hall.
    void SetUp() override
    {
        project.makeGame(QStringLiteral("Quest"), 640, 480, QStringLiteral("Hall"));
        GameFiles::writeVariables(project, {QStringLiteral("lamp")});
        Frame hall;
        hall.links = 2;
        hall.hasDuration = true;
        hall.durationSeconds = 2;
        hall.durationTarget = QStringLiteral("Yard");
        GameFiles::writeFrame(project, QStringLiteral("Hall"), hall);
        GameFiles::writeArea(project, QStringLiteral("Hall"), 1, Area());
        GameFiles::writeArea(project, QStringLiteral("Hall"), 2, Area());
        Action lamp;
        lamp.changeVariable = 1;
        lamp.variable = QStringLiteral("lamp");
        lamp.invert = true;
        lamp.showMessage = 1;
        lamp.message = QStringLiteral("Click.");
        GameFiles::writeAction(project, QStringLiteral("Hall"), 1, lamp);
        Action stop;
        stop.stopGame = 1;
        GameFiles::writeAction(project, QStringLiteral("Hall"), 2, stop);
        Frame yard;
        yard.links = 1;
        yard.hasDuration = true;
        yard.durationSeconds = 1;
        GameFiles::writeFrame(project, QStringLiteral("Yard"), yard);
        GameFiles::writeArea(project, QStringLiteral("Yard"), 1, Area());
        Action back;
        back.goToFrame = 1;
        back.target = QStringLiteral("Hall");
        GameFiles::writeAction(project, QStringLiteral("Yard"), 1, back);
        ASSERT_TRUE(ProjectRecord::current().load(project.path() + QStringLiteral("Config/General")));
    }
    void TearDown() override { ProjectRecord::current() = ProjectRecord(); }

    // Plays the script; the failed steps as "line: why".
    QStringList play(const QString& script)
    {
        const PlaytestScript parsed = PlaytestScript::parse(script);
        EXPECT_TRUE(parsed.isValid());
        QStringList failures;
        for (const PlaytestCommand& command : parsed.commands()) {
            if (const std::optional<QString> failure = player.play(command))
                failures << QString::number(command.line) + QStringLiteral(": ") + *failure;
        }
        return failures;
    }

    TempProject project;
    SessionPlayer player{DiskGameRecords::instance()};
};

TEST_F(SessionPlayerTest, TimePassesOnlyInWaitsFromWhenTheTimerWasSet)
{
    EXPECT_EQ(play(QStringLiteral("new\n"
                                  "click 1\n"
                                  "wait 1.5\n"
                                  "expect frame Hall\n"
                                  "wait 0.5\n"
                                  "expect frame Yard\n"
                                  // Without a target the duration ends again and again.
                                  "wait 5\n"
                                  "expect frame Yard\n"
                                  "click 1\n"
                                  "wait 1.999\n"
                                  "expect frame Hall\n"
                                  "expect var lamp 1\n"
                                  "expect message Click.\n"))
                  .join(QLatin1Char('\n'))
                  .toStdString(),
              "");
}

TEST_F(SessionPlayerTest, MenusSavingLoadingAndTheEndOfAGame)
{
    const QStringList failures = play(QStringLiteral("click 1\n"
                                                     "new\n"
                                                     "click 1\n"
                                                     "menu exit\n"
                                                     "key escape\n"
                                                     "save first\n"
                                                     "save First\n"
                                                     "expect message 'First' already exists. Are you sure you want to replace it?\n"
                                                     "menu exit\n"
                                                     "expect welcome\n"
                                                     "click 1\n"
                                                     "load second\n"
                                                     "load FIRST\n"
                                                     "expect frame Hall\n"
                                                     "expect var lamp 1\n"
                                                     "new\n"
                                                     "click 2\n"
                                                     "expect welcome\n"
                                                     "new\n"
                                                     "expect var lamp 0\n"
                                                     "click 3\n"
                                                     "drag 1 1\n"));
    EXPECT_EQ(failures,
              QStringList({QStringLiteral("1: no game on screen (start one with 'new' or 'load NAME')"),
                           QStringLiteral("4: the game's menu is hidden: a player shows it with Escape ('key escape')"),
                           QStringLiteral("11: no game on screen (start one with 'new' or 'load NAME')"),
                           QStringLiteral("12: there is no saved game 'second' to load"),
                           QStringLiteral("16: the welcome window is not shown (a game is being played)"),
                           QStringLiteral("21: frame 'Hall' has no area 3 (it has 2)"),
                           QStringLiteral("22: the inventory has no icon 1 (it holds 0 object(s))")}));
}

TEST_F(SessionPlayerTest, AGameSavedInTheProjectCanBeLoaded)
{
    SavedGame saved;
    saved.frame = QStringLiteral("Yard");
    saved.variables = {{QStringLiteral("lamp"), 1}};
    ASSERT_TRUE(saved.write(project.path() + QStringLiteral("On disk.sav")));
    project.write(QStringLiteral("cut.sav"), "\"Yard\"\r\n1\r\n\"lamp\"\r\n");
    EXPECT_EQ(play(QStringLiteral("load on disk\n"
                                  "expect frame Yard\n"
                                  "expect var lamp 1\n"
                                  "key escape\n"
                                  "menu exit\n"
                                  "load cut\n"
                                  "expect welcome\n"))
                  .join(QLatin1Char('\n'))
                  .toStdString(),
              "");
    EXPECT_EQ(player.view().lastMessage(),
              QStringLiteral("Unable to load '") + project.path() + QStringLiteral("cut.sav'."));
}

}  // namespace
