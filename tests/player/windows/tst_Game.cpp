#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextMetrics.h"
#include "platform/media/RecordingMci.h"
#include "player/FrameRecord.h"
#include "player/windows/Game.h"
#include "player/GameGeometry.h"
#include "player/windows/ImageControl.h"
#include "player/records/ProjectRecord.h"
#include "player/records/SavedGame.h"
#include "player/Twips.h"
#include "player/windows/frmWelcome.h"
#include "player/state/Mmedia.h"
#include "support/GameFiles.h"

#include <QMenuBar>
#include <QtTest>

class tst_Game : public QObject {
    Q_OBJECT

private:
    Game& newGame(int width, int height)
    {
        ProjectRecord::current() = ProjectRecord();
        ProjectRecord::current().AdventureName = QStringLiteral("Quest");
        ProjectRecord::current().ScreenWidth = qint16(width);
        ProjectRecord::current().ScreenHeight = qint16(height);
        Game& game = Game::load();
        return game;
    }

    void unloadGame()
    {
        if (Game* game = Game::loaded())
            game->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init() { DesktopScreen::setOverride(QSize(1024, 768)); }
    void cleanup() { unloadGame(); }

    void pictureAreaIsCentredWithIntegerArithmetic()
    {
        Game& game = newGame(640, 480);
        QVERIFY(game.ResetAll());
        QCOMPARE(game.pictureBoxTwips(), QRect(2880, 2160, 9600, 7200));
        QCOMPARE(game.PictureBox->geometry(), QRect(192, 144, 640, 480));
        QCOMPARE(game.BackImage->geometry(), QRect(0, 0, 640, 480));
        QCOMPARE(game.geometry(), QRect(0, 0, 1024, 768));

        // Odd sizes: Int() of halves of twips.
        QCOMPARE(GameGeometry::pictureArea(QSize(1025, 769), 321, 201), QRect(7687 - 2407, 5767 - 1507, 4815, 3015));
        // Larger than the screen: the area starts left of and above it.
        QCOMPARE(GameGeometry::pictureArea(QSize(800, 600), 1024, 768)->topLeft(), QPoint(-1680, -1260));
    }

    void sizesOutsideTheSixteenBitRangeAreRefusedWithoutACrash()
    {
        QVERIFY(GameGeometry::pictureArea(QSize(1024, 768), 2184, 2184).has_value());
        for (const QSize bad : {QSize(2185, 480), QSize(640, 2185), QSize(0, 480), QSize(640, -1)}) {
            QVERIFY(!GameGeometry::pictureArea(QSize(1024, 768), bad.width(), bad.height()).has_value());
            ScriptedDialogs dialogs;
            Game& game = newGame(bad.width(), bad.height());
            QVERIFY(!game.ResetAll());
            QCOMPARE(dialogs.shown().size(), 1);
            QCOMPARE(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
            QCOMPARE(dialogs.shown()[0].title, QStringLiteral("Quest"));
            unloadGame();
        }
    }

    void escapeShowsTheMenusAndAClickOnThePictureHidesThem()
    {
        Game& game = newGame(640, 480);
        QVERIFY(game.ResetAll());
        game.showGame();
        QVERIFY(!game.menusShown());
        QVERIFY(game.menuBar->isHidden());

        QTest::keyClick(game.PictureBox, Qt::Key_Escape);
        QVERIFY(game.mnuExit->isVisible());
        QVERIFY(game.mnuSaveGame->isVisible());
        QCOMPARE(game.mnuExit->text(), QStringLiteral("Exit"));
        QCOMPARE(game.mnuSaveGame->text(), QStringLiteral("Save game"));
        QVERIFY(game.menuBar->isVisible());

        QTest::mouseClick(game.BackImage, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!game.menusShown());
        QVERIFY(game.menuBar->isHidden());

        // Other keys do nothing; a press on the black margin shows the menus.
        QTest::keyClick(game.PictureBox, Qt::Key_A);
        QVERIFY(!game.menusShown());
        QTest::mousePress(&game, Qt::RightButton, {}, QPoint(5, 700));
        QVERIFY(game.menusShown());
        game.HideMenus();
        // A press inside the picture area is not a press on the margin.
        QTest::mousePress(game.PictureBox, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!game.menusShown());
    }

    void clickingTheMenuItemsRunsThem()
    {
        Game& game = newGame(640, 480);
        QVERIFY(game.ResetAll());
        game.showGame();
        int saves = 0;
        connect(&game, &Game::saveGameRequested, this, [&saves] { ++saves; });
        game.ShowMenus();
        QTest::mouseClick(game.menuBar, Qt::LeftButton, {}, game.menuBar->actionGeometry(game.mnuSaveGame).center());
        QCOMPARE(saves, 1);
        QPointer<Game> guard(&game);
        QTest::mouseClick(game.menuBar, Qt::LeftButton, {}, game.menuBar->actionGeometry(game.mnuExit).center());
        QVERIFY(!Game::loaded());
    }

    void leavingTheGameClosesTheSoundtrackAndTheSoundButNotTheMovie()
    {
        TempProject project;
        project.makeGame(QStringLiteral("Quest"), 640, 480, QStringLiteral("Hall"));
        GameFiles::writeVariables(project, {});
        GameFiles::Frame hall;
        hall.links = 1;
        hall.soundtrack = QStringLiteral("theme.mid");
        hall.video = QStringLiteral("intro.avi");
        GameFiles::writeFrame(project, QStringLiteral("Hall"), hall);
        GameFiles::writeArea(project, QStringLiteral("Hall"), 1, GameFiles::Area());
        GameFiles::Action creak;
        creak.playSound = 1;
        creak.sound = QStringLiteral("creak.wav");
        GameFiles::writeAction(project, QStringLiteral("Hall"), 1, creak);
        QVERIFY(ProjectRecord::current().load(project.path() + QStringLiteral("Config/General")));
        RecordingMci mci;
        ScriptedDialogs dialogs;
        TextMetrics::setOverride(16);
        frmWelcome welcome(project.path());

        Game& game = Game::load();
        QVERIFY(game.ResetAll());
        game.StartNewGame();
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Hall"));
        game.Area_Click(1);
        const QString soundtrack = SoundtrackMedia().alias();
        const QString sound = SoundMedia().alias();
        QVERIFY(soundtrack.startsWith(QStringLiteral("mid")));
        QVERIFY(sound.startsWith(QStringLiteral("wav")));
        mci.clear();
        game.mnuExit_Click();
        QCOMPARE(mci.commands(), QStringList({QStringLiteral("Close ") + soundtrack, QStringLiteral("Close ") + sound}));
        QVERIFY(SoundtrackMedia().alias().isEmpty());
        QVERIFY(SoundMedia().alias().isEmpty());
        QVERIFY(welcome.isVisible());
        QVERIFY(dialogs.shown().isEmpty());
        TextMetrics::setOverride(std::nullopt);
    }

    void resetAllClearsTheGameStateDownToTheTemplates()
    {
        TempProject project;
        project.makeGame(QStringLiteral("Quest"));
        GameFiles::writeObject(project, QStringLiteral("key"), QStringLiteral("key.png"));
        GameFiles::writePicture(project, QStringLiteral("Areas/key.png"), QSize(32, 32));
        GameFiles::writeVariables(project, {QStringLiteral("door")});
        Game& game = newGame(640, 480);
        QVERIFY(game.ResetAll());
        game.LoadVariables();
        game.ChangeVariableValue(QStringLiteral("door"), 1);
        SavedGame gone;
        gone.disappeared = {{QStringLiteral("Hall"), 2}};
        game.session().restore(gone);
        game.AddPickedObject(QStringLiteral("key"));
        game.AddPickedObject(QStringLiteral("key"));
        QCOMPARE(game.session().objectsCount(), qint16(2));
        QCOMPARE(game.pickedObjects().size(), size_t(3));
        game.BackImage->move(40, 40);

        QVERIFY(game.ResetAll());
        QCOMPARE(game.session().variables().Count(), 0);
        QCOMPARE(game.session().disappeared().Count(), 0);
        QCOMPARE(game.session().objectsCount(), qint16(0));
        QCOMPARE(game.pickedObjects().size(), size_t(1));
        QVERIFY(game.pickedObjects()[0]->isHidden());
        QCOMPARE(game.BackImage->geometry(), QRect(0, 0, 640, 480));
        QCOMPARE(game.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(game.PictureBox->palette().color(QPalette::Window), QColor(Qt::black));
    }

    void exitUnloadsTheWindowAndTheNextGameStartsClean()
    {
        TempProject project;
        project.makeGame(QStringLiteral("Quest"));
        GameFiles::writeObject(project, QStringLiteral("key"), QStringLiteral("key.png"));
        GameFiles::writePicture(project, QStringLiteral("Areas/key.png"), QSize(32, 32));
        Game& game = newGame(640, 480);
        QVERIFY(game.ResetAll());
        for (int i = 0; i < 3; ++i)
            game.AddPickedObject(QStringLiteral("key"));
        QPointer<Game> guard(&game);
        game.mnuExit_Click();
        QVERIFY(!Game::loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
        Game& next = newGame(640, 480);
        QVERIFY(next.ResetAll());
        QCOMPARE(next.session().objectsCount(), qint16(0));
    }
};

QTEST_MAIN(tst_Game)
#include "tst_Game.moc"
