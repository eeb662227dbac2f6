#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextMetrics.h"
#include "platform/media/RecordingMci.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/records/SavedGame.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/windows/frmWelcome.h"
#include "support/GameFiles.h"

#include <QtTest>

using GameFiles::Area;
using GameFiles::Frame;

// An author starts the game at one frame, with the state of a saved game or
// the game's start values.
class tst_StartAtFrame : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmWelcome> welcome()
    {
        auto window = std::make_unique<frmWelcome>(m_project->path());
        window->Form_Load();
        window->show();
        return window;
    }

    QList<QPair<QString, qint16>> disappeared(const Game& game)
    {
        QList<QPair<QString, qint16>> list;
        for (const ClassVariable& entry : game.session().disappeared())
            list.append({entry.Name, entry.Value});
        return list;
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<RecordingMci> m_mci;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

private slots:
    void init()
    {
        DesktopScreen::setOverride(QSize(1024, 768));
        TextMetrics::setOverride(16);
        m_project = std::make_unique<TempProject>();
        m_project->makeGame(QStringLiteral("Quest"), 640, 480, QStringLiteral("Hall"));
        GameFiles::writeVariables(*m_project, {QStringLiteral("door"), QStringLiteral("lamp")});
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), Frame());
        Frame yard;
        yard.links = 2;
        GameFiles::writeFrame(*m_project, QStringLiteral("Yard"), yard);
        for (int n = 1; n <= 2; ++n)
            GameFiles::writeArea(*m_project, QStringLiteral("Yard"), n, Area());
        for (const QString& name : {QStringLiteral("key"), QStringLiteral("rope")}) {
            GameFiles::writeObject(*m_project, name, name + QStringLiteral(".ico"));
            GameFiles::writePicture(*m_project, QStringLiteral("Areas/") + name + QStringLiteral(".ico"), QSize(32, 32));
        }
        SavedGame saved;
        saved.frame = QStringLiteral("Hall");
        saved.variables = {{QStringLiteral("lamp"), 1}, {QStringLiteral("gone"), 1}};
        saved.disappeared = {{QStringLiteral("Yard"), 2}};
        saved.inventory = {QStringLiteral("rope"), QStringLiteral("key")};
        QVERIFY(saved.write(m_project->path() + QStringLiteral("midgame.sav")));
        m_mci = std::make_unique<RecordingMci>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }

    void cleanup()
    {
        if (Game* game = Game::loaded())
            game->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(m_dialogs->unexpected().isEmpty(), qPrintable(m_dialogs->messages().join(QLatin1Char('|'))));
        m_dialogs.reset();
        m_mci.reset();
        ProjectPaths::clear();
        ProjectRecord::current() = ProjectRecord();
        m_project.reset();
    }

    void startsAtTheFrameWithTheStateOfTheSavedGame_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("by name") << QStringLiteral("midgame");
        QTest::newRow("by file") << QStringLiteral("%1midgame.sav");
    }

    void startsAtTheFrameWithTheStateOfTheSavedGame()
    {
        QFETCH(QString, state);
        if (state.contains(QLatin1String("%1")))
            state = state.arg(m_project->path());
        auto window = welcome();
        QVERIFY(window->StartAtFrame(QStringLiteral("Yard"), state));
        Game* game = Game::loaded();
        QVERIFY(game);
        QVERIFY(game->isVisible());
        QVERIFY(!window->isVisible());
        // The frame named, not the saved game's frame nor the starting one.
        QCOMPARE(game->session().frame().Name, QStringLiteral("Yard"));
        QCOMPARE(game->GetVariableValue(QStringLiteral("door")), qint16(0));
        QCOMPARE(game->GetVariableValue(QStringLiteral("lamp")), qint16(1));
        QCOMPARE(game->session().variables().Count(), 2);  // an undeclared saved variable changes nothing
        QCOMPARE(game->session().inventory(), QStringList({QStringLiteral("rope"), QStringLiteral("key")}));
        QCOMPARE(game->pickedObjects().size(), size_t(3));
        QCOMPARE(disappeared(*game), (QList<QPair<QString, qint16>>{{QStringLiteral("Yard"), 2}}));
        // The disappeared area of the frame is hidden, the other shown.
        QVERIFY(game->areas()[1]->isVisible());
        QVERIFY(!game->areas()[2]->isVisible());
    }

    void withoutASavedGameTheGameStartsWithItsStartValues()
    {
        auto window = welcome();
        QVERIFY(window->StartAtFrame(QStringLiteral("Yard")));
        Game* game = Game::loaded();
        QVERIFY(game);
        QCOMPARE(game->session().frame().Name, QStringLiteral("Yard"));
        QCOMPARE(game->GetVariableValue(QStringLiteral("lamp")), qint16(0));
        QVERIFY(game->session().inventory().isEmpty());
        QCOMPARE(game->session().disappeared().Count(), 0);
        QVERIFY(game->areas()[2]->isVisible());
        // Leaving the game brings the welcome window back, as after any game.
        game->mnuExit_Click();
        QVERIFY(window->isVisible());
    }

    void aFrameThatDoesNotExistGivesThePlayersMessage()
    {
        auto window = welcome();
        m_dialogs->queueAnswer(Dialogs::OK);
        QVERIFY(window->StartAtFrame(QStringLiteral("Cellar")));
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Sorry, unable to open 'Cellar'.")});
        QCOMPARE(m_dialogs->shown()[0].icon, Dialogs::Icon::Exclamation);
        QVERIFY(Game::loaded());
        QCOMPARE(Game::loaded()->session().frame().Name, QStringLiteral("Cellar"));
    }

    void aSavedGameThatCannotBeReadStartsNoGame()
    {
        m_project->writeLines(QStringLiteral("short.sav"), {QStringLiteral("\"Hall\""), QStringLiteral("3")});
        auto window = welcome();
        for (const QString& name : {QStringLiteral("short"), QStringLiteral("missing")}) {
            const QString path = SavedGame::path(ProjectPaths::ProjectPath, name);
            m_dialogs->clear();
            m_dialogs->queueAnswer(Dialogs::OK);
            QVERIFY(!window->StartAtFrame(QStringLiteral("Yard"), name));
            QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to load '") + path + QStringLiteral("'.")});
            QVERIFY(!Game::loaded());
            QVERIFY(window->isVisible());
        }
    }
};

QTEST_MAIN(tst_StartAtFrame)
#include "tst_StartAtFrame.moc"
