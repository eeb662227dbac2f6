#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "platform/media/RecordingMci.h"
#include "player/FrameRecord.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/records/ProjectRecord.h"
#include "player/windows/frmWelcome.h"
#include "support/GameFiles.h"

#include <QtTest>

using GameFiles::Action;
using GameFiles::Area;
using GameFiles::Frame;

// Plays small games in the game window, with sound and video recorded
// instead of played and message boxes answered from a queue.
class tst_Play : public QObject {
    Q_OBJECT

private:
    Game& startGame(const QString& startingFrame = QStringLiteral("Hall"))
    {
        ProjectRecord::current().load(m_project->path() + QStringLiteral("Config/General"));
        ProjectRecord::current().StartingFrame = startingFrame;
        Game& game = Game::load();
        game.ResetAll();
        game.StartNewGame();
        return game;
    }

    ImageControl* area(int n) { return Game::loaded()->areas().at(size_t(n)); }
    bool shown(int n) { return !area(n)->isHidden(); }
    QStringList commandsMatching(const QString& word)
    {
        return m_mci->commands().filter(
            QRegularExpression(QStringLiteral("^") + word + QStringLiteral(" "), QRegularExpression::CaseInsensitiveOption));
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<RecordingMci> m_mci;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    bool m_soundtrackPlaying = false;

private slots:
    void init()
    {
        DesktopScreen::setOverride(QSize(1024, 768));
        m_project = std::make_unique<TempProject>();
        m_project->makeGame(QStringLiteral("Quest"));
        GameFiles::writeVariables(*m_project, {QStringLiteral("door"), QStringLiteral("lamp")});
        m_mci = std::make_unique<RecordingMci>();
        m_soundtrackPlaying = false;
        m_mci->setResponder([this](const QString& command, QString& reply) {
            if (command.startsWith(QLatin1String("status"), Qt::CaseInsensitive)
                && command.endsWith(QLatin1String(" mode"), Qt::CaseInsensitive))
                reply = m_soundtrackPlaying ? QStringLiteral("playing") : QStringLiteral("stopped");
            return 0;
        });
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
        m_project.reset();
    }

    void aClickRunsTheWholeRoad()
    {
        Frame hall;
        hall.links = 2;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        GameFiles::writeFrame(*m_project, QStringLiteral("Yard"), Frame());
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 1, Area());
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 2, Area());
        Action stay;
        stay.changeVariable = 1;
        stay.variable = QStringLiteral("door");
        stay.setToOne = true;
        stay.showMessage = 1;
        stay.message = QStringLiteral("The door opens.");
        stay.playSound = 1;
        stay.sound = QStringLiteral("creak.wav");
        stay.disappear = 1;
        GameFiles::writeAction(*m_project, QStringLiteral("Hall"), 1, stay);
        Action leave;
        leave.goToFrame = 1;
        leave.target = QStringLiteral("Yard");
        GameFiles::writeAction(*m_project, QStringLiteral("Hall"), 2, leave);
        Action back;
        back.goToFrame = 1;
        back.target = QStringLiteral("Hall");
        Frame yard;
        yard.links = 1;
        GameFiles::writeFrame(*m_project, QStringLiteral("Yard"), yard);
        GameFiles::writeArea(*m_project, QStringLiteral("Yard"), 1, Area());
        GameFiles::writeAction(*m_project, QStringLiteral("Yard"), 1, back);

        Game& game = startGame();
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Hall"));
        QVERIFY(shown(1));
        m_dialogs->queueAnswer(Dialogs::OK);
        QTest::mouseClick(area(1), Qt::LeftButton);
        QCOMPARE(game.GetVariableValue(QStringLiteral("door")), 1);
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown()[0].text, QStringLiteral("The door opens."));
        QCOMPARE(m_dialogs->shown()[0].title, QStringLiteral("Quest"));
        QCOMPARE(m_dialogs->shown()[0].icon, Dialogs::Icon::Information);
        const QStringList opens = commandsMatching(QStringLiteral("open"));
        QVERIFY2(!opens.isEmpty() && opens.last().contains(QStringLiteral("creak.wav")), qPrintable(opens.join(QLatin1Char('|'))));
        QVERIFY(!shown(1));  // disappeared at once

        QTest::mouseClick(area(2), Qt::LeftButton);
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Yard"));
        QTest::mouseClick(area(1), Qt::LeftButton);
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Hall"));
        QVERIFY(!shown(1));  // and on every later visit
        QVERIFY(shown(2));
    }

    void stopWinsOverGoToAndReturnsToTheWelcomeWindow()
    {
        Frame hall;
        hall.links = 1;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 1, Area());
        Action end;
        end.stopGame = 1;
        end.goToFrame = 1;
        end.target = QStringLiteral("Yard");
        GameFiles::writeAction(*m_project, QStringLiteral("Hall"), 1, end);
        frmWelcome welcome(m_project->path());
        Game& game = startGame();
        game.Area_Click(1);
        QVERIFY(!Game::loaded());
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Hall"));
        QVERIFY(welcome.isVisible());
    }

    void invertingAVariableUpdatesDependentAreasInTheSameClick()
    {
        Frame hall;
        hall.links = 2;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 1, Area());
        Area dependent;
        dependent.conditional = 1;
        dependent.mustBeOne = {QStringLiteral("lamp")};
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 2, dependent);
        Action toggle;
        toggle.changeVariable = 1;
        toggle.variable = QStringLiteral("lamp");
        toggle.invert = true;
        GameFiles::writeAction(*m_project, QStringLiteral("Hall"), 1, toggle);
        Game& game = startGame();
        QVERIFY(!shown(2));
        game.Area_Click(1);
        QVERIFY(shown(2));
        game.Area_Click(1);
        QVERIFY(!shown(2));
    }

    void areasLieThirtyTwipsFurtherAndLaterOnesOnTop()
    {
        Frame hall;
        hall.links = 2;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        Area a;
        a.left = 0;
        a.top = 0;
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 1, a);
        a.left = 1500;
        a.top = 750;
        a.transparent = false;
        a.picture = QStringLiteral("Chest.PNG");
        a.stretch = 0;  // takes the picture's own size
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 2, a);
        GameFiles::writePicture(*m_project, QStringLiteral("Areas/chest.png"), QSize(48, 32));
        Game& game = startGame();
        QCOMPARE(area(1)->twipsGeometry(), QRectF(30, 30, 600, 450));
        QCOMPARE(area(1)->geometry(), QRect(2, 2, 40, 30));
        QCOMPARE(area(2)->twipsGeometry(), QRectF(1530, 780, 720, 480));
        QCOMPARE(area(2)->size(), QSize(48, 32));
        QCOMPARE(game.PictureBox->childAt(area(2)->geometry().center()), area(2));
        // A picture-less area is still hit: clicks reach it.
        QCOMPARE(game.PictureBox->childAt(QPoint(10, 10)), area(1));
    }

    void customPointersComeFromTheIconsFolder()
    {
        Frame hall;
        hall.links = 3;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        Area a;
        a.pointer = QStringLiteral("DEFAULT");
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 1, a);
        a.pointer = QStringLiteral("Hand.ico");
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 2, a);
        a.pointer = QStringLiteral("missing.cur");
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 3, a);
        GameFiles::writePicture(*m_project, QStringLiteral("Icons/hand.ico"), QSize(32, 32));
        m_dialogs->queueAnswer(Dialogs::OK);
        startGame();
        QVERIFY(!area(1)->hasCustomPointer());
        QVERIFY(area(2)->hasCustomPointer());
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to load all the 3 frame area(s).")});
    }

    void durationOf32SecondsWorksAnd33NeverFires()
    {
        Frame hall;
        hall.hasDuration = true;
        hall.durationSeconds = 32;
        hall.durationTarget = QStringLiteral("Yard");
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        GameFiles::writeFrame(*m_project, QStringLiteral("Yard"), Frame());
        Game& game = startGame();
        QCOMPARE(game.timerInterval(), 32000);
        QVERIFY(game.Timer1->isActive());
        game.Timer1_Timer();
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Yard"));
        QVERIFY(!game.Timer1->isActive());  // the next frame has no duration

        hall.durationSeconds = 33;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        m_dialogs->queueAnswer(Dialogs::OK);
        game.OpenFrame(QStringLiteral("Hall"));
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to load frame duration.")});
        QCOMPARE(game.timerInterval(), 0);
        QVERIFY(!game.Timer1->isActive());

        // Without a target the timer fires, nothing happens, and it fires again.
        hall.durationSeconds = 2;
        hall.durationTarget.clear();
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        game.OpenFrame(QStringLiteral("Hall"));
        game.Timer1_Timer();
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Hall"));
        QVERIFY(game.Timer1->isActive());
        QVERIFY(!game.Timer1->isSingleShot());
    }

    void aShortDurationMovesOnByItself()
    {
        Frame hall;
        hall.hasDuration = true;
        hall.durationSeconds = 1;
        hall.durationTarget = QStringLiteral("Yard");
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        GameFiles::writeFrame(*m_project, QStringLiteral("Yard"), Frame());
        startGame();
        QTRY_COMPARE_WITH_TIMEOUT(FrameRecord::current().Name, QStringLiteral("Yard"), 5000);
    }

    void aPlayingSoundtrackIsNotReplaced()
    {
        Frame hall;
        hall.soundtrack = QStringLiteral("theme.mid");
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        Frame yard;
        yard.soundtrack = QStringLiteral("other.mid");
        GameFiles::writeFrame(*m_project, QStringLiteral("Yard"), yard);
        Game& game = startGame();
        QCOMPARE(commandsMatching(QStringLiteral("open")).size(), 1);
        m_soundtrackPlaying = true;
        game.OpenFrame(QStringLiteral("Yard"));
        QCOMPARE(commandsMatching(QStringLiteral("open")).size(), 1);
        // A frame that stops sounds closes it and starts its own.
        yard.stopSounds = true;
        GameFiles::writeFrame(*m_project, QStringLiteral("Yard"), yard);
        m_mci->clear();
        m_soundtrackPlaying = false;
        game.OpenFrame(QStringLiteral("Yard"));
        QVERIFY(!commandsMatching(QStringLiteral("close")).isEmpty());
        QVERIFY(commandsMatching(QStringLiteral("open")).value(0).contains(QStringLiteral("other.mid")));

        // A soundtrack named outside the Frames folder is refused with the
        // soundtrack's message, before or after the video, and the frame shows.
        for (const bool afterVideo : {false, true}) {
            yard.stopSounds = false;
            yard.soundtrack = QStringLiteral("../Config/theme.mid");
            yard.video = afterVideo ? QStringLiteral("intro.avi") : QString();
            GameFiles::writeFrame(*m_project, QStringLiteral("Yard"), yard);
            m_mci->clear();
            m_dialogs->clear();
            m_dialogs->queueAnswer(Dialogs::OK);
            game.OpenFrame(QStringLiteral("Yard"));
            QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to play soundtrack.")});
            QVERIFY(!m_mci->commands().join(QLatin1Char('|')).contains(QStringLiteral("theme.mid")));
            QVERIFY(!game.PictureBox->isHidden());
        }
    }

    void theSoundtrackStartsBeforeOrAfterTheVideo()
    {
        for (const bool after : {true, false}) {
            Frame hall;
            hall.soundtrack = QStringLiteral("theme.mid");
            hall.video = QStringLiteral("intro.avi");
            hall.soundAfterVideo = after;
            GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
            m_mci->clear();
            startGame();
            const QStringList opens = commandsMatching(QStringLiteral("open"));
            QCOMPARE(opens.size(), 2);
            const int theme = opens[0].contains(QStringLiteral("theme.mid")) ? 0 : 1;
            QVERIFY(opens[1 - theme].contains(QStringLiteral("intro.avi")));
            QCOMPARE(theme, after ? 1 : 0);
            Game::loaded()->unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void backgroundsColourStretchedAndTiled()
    {
        Frame hall;
        hall.background = QStringLiteral("255");  // red in the low byte
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        Game& game = startGame();
        QCOMPARE(game.PictureBox->palette().color(QPalette::Window), QColor(255, 0, 0));

        Frame stretched;
        stretched.kind = 1;
        stretched.background = QStringLiteral("Sky.bmp");
        GameFiles::writeFrame(*m_project, QStringLiteral("Sky"), stretched);
        GameFiles::writePicture(*m_project, QStringLiteral("Frames/sky.BMP"), QSize(64, 48));
        game.OpenFrame(QStringLiteral("Sky"));
        QVERIFY(game.BackImage->hasPicture());
        QCOMPARE(game.BackImage->size(), QSize(640, 480));

        Frame tiled = stretched;
        tiled.tiled = true;
        GameFiles::writeFrame(*m_project, QStringLiteral("Tiles"), tiled);
        game.OpenFrame(QStringLiteral("Tiles"));
        QVERIFY(!game.BackImage->hasPicture());
        // 0..640 step 64 and 0..480 step 48 include both ends: 11 × 11.
        QCOMPARE(game.tilePositions().size(), size_t(121));
        QCOMPARE(game.tilePositions().back(), QPoint(640, 480));

        GameFiles::writePicture(*m_project, QStringLiteral("Frames/Sky.bmp"), QSize(800, 600));
        game.OpenFrame(QStringLiteral("Tiles"));
        QCOMPARE(game.tilePositions(), std::vector<QPoint>{QPoint(0, 0)});
    }

    void badFilesShowTheirMessageAndTheGameGoesOn()
    {
        Frame hall;
        hall.links = 32767;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        m_dialogs->queueAnswer(Dialogs::OK);
        m_dialogs->queueAnswer(Dialogs::OK);
        Game& game = startGame();
        // Loading stops at the first missing area file, and so does showing.
        QCOMPARE(m_dialogs->messages(), QStringList({QStringLiteral("Unable to load all the 32767 frame area(s)."),
                                                     QStringLiteral("Unable to load areas information.")}));
        QCOMPARE(game.areas().size(), size_t(1));

        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        game.OpenFrame(QStringLiteral("Nowhere"));
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Sorry, unable to open 'Nowhere'.")});

        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        game.OpenFrame(QStringLiteral("../Config/General"));
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Sorry, unable to open '../Config/General'.")});

        // A frame file with a word where a number belongs.
        m_project->writeLines(QStringLiteral("Frames/Broken.fme"), {QStringLiteral("zero")});
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        game.OpenFrame(QStringLiteral("Broken"));
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Sorry, unable to open 'Broken'.")});
        QCOMPARE(FrameRecord::current().LinksCount, qint16(0));

        // A frame file cut short: what was read before is used, the rest
        // keeps the values of a cleared frame record.
        m_project->writeLines(QStringLiteral("Frames/Cut.fme"), {QStringLiteral("0"), QStringLiteral("65280")});
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        game.OpenFrame(QStringLiteral("Cut"));
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Sorry, unable to open 'Cut'.")});
        QCOMPARE(game.PictureBox->palette().color(QPalette::Window), QColor(0, 255, 0));
        QVERIFY(FrameRecord::current().SoundAfterVideo);

        // A click on an area without an action record.
        hall.links = 1;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 1, Area());
        game.OpenFrame(QStringLiteral("Hall"));
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        game.Area_Click(1);
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to complete area task.")});

        // Variables file missing at the start of a game.
        QFile::remove(m_project->path() + QStringLiteral("Config/Variables"));
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        game.LoadVariables();
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to load variables list.")});
    }

    void showingAreasStopsAtTheFirstAreaItCannotHandle()
    {
        Frame hall;
        hall.links = 3;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 1, Area());
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 3, Area());
        // A word where the "Conditional" number belongs: the area loads but
        // its conditions cannot be read.
        m_project->writeLines(QStringLiteral("Areas/Hall/2a.dat"),
                              {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("600"), QStringLiteral("450"),
                               QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#"), QStringLiteral("\"\""),
                               QStringLiteral("1"), QStringLiteral("\"\""), QStringLiteral("yes")});
        m_dialogs->queueAnswer(Dialogs::OK);
        Game& game = startGame();
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to load areas information.")});
        QCOMPARE(game.areas().size(), size_t(4));
        QVERIFY(shown(1));
        QVERIFY(!shown(3));  // not reached: keeps its state

        // Area 2 missing: areas 2 and 3 are never created, and every later
        // show reports the area it cannot handle.
        QFile::remove(m_project->path() + QStringLiteral("Areas/Hall/2a.dat"));
        GameFiles::writeAction(*m_project, QStringLiteral("Hall"), 1, Action());
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        m_dialogs->queueAnswer(Dialogs::OK);
        game.OpenFrame(QStringLiteral("Hall"));
        QCOMPARE(m_dialogs->messages(), QStringList({QStringLiteral("Unable to load all the 3 frame area(s)."),
                                                     QStringLiteral("Unable to load areas information.")}));
        QCOMPARE(game.areas().size(), size_t(2));
        QVERIFY(shown(1));
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        game.Area_Click(1);
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to load areas information.")});

        // A links file holding 0: no area is loaded, whatever files lie there.
        hall.links = 0;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        m_dialogs->clear();
        game.OpenFrame(QStringLiteral("Hall"));
        QCOMPARE(game.areas().size(), size_t(1));
        QVERIFY(m_dialogs->messages().isEmpty());
    }

    void dropsRunTheObjectsEventOnlyForInventoryIcons()
    {
        Frame hall;
        hall.links = 2;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 1, Area());
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 2, Area());
        GameFiles::writeObject(*m_project, QStringLiteral("key"), QStringLiteral("key.ico"));
        GameFiles::writePicture(*m_project, QStringLiteral("Areas/key.ico"), QSize(32, 32));
        Action use;
        use.changeVariable = 1;
        use.variable = QStringLiteral("door");
        use.setToOne = true;
        use.disappear = 1;
        GameFiles::writeEvent(*m_project, QStringLiteral("Hall"), 2, QStringLiteral("key"), use);
        Game& game = startGame();
        game.AddPickedObject(QStringLiteral("key"));
        QCOMPARE(game.session().objectsCount(), qint16(1));

        QObject stranger;
        stranger.setObjectName(QStringLiteral("Area"));
        game.DraggedObjectIndex = 1;
        game.Area_DragDrop(2, &stranger);
        QCOMPARE(game.GetVariableValue(QStringLiteral("door")), 0);

        QObject icon;  // a stand-in inventory icon, named in another case
        icon.setObjectName(QStringLiteral("PICKEDOBJECT"));
        game.Area_DragDrop(1, &icon);  // no event for this area: nothing at all
        QCOMPARE(game.session().objectsCount(), qint16(1));
        game.Area_DragDrop(2, &icon);
        QCOMPARE(game.GetVariableValue(QStringLiteral("door")), 1);
        QCOMPARE(game.session().objectsCount(), qint16(0));  // used up; the area stays
        QVERIFY(shown(2));
    }

    void exitAndNewGameStartClean()
    {
        Frame hall;
        hall.links = 1;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        GameFiles::writeArea(*m_project, QStringLiteral("Hall"), 1, Area());
        Action gone;
        gone.changeVariable = 1;
        gone.variable = QStringLiteral("door");
        gone.setToOne = true;
        gone.disappear = 1;
        GameFiles::writeAction(*m_project, QStringLiteral("Hall"), 1, gone);
        Game& game = startGame();
        game.Area_Click(1);
        QCOMPARE(game.session().disappeared().Count(), 1);
        game.mnuExit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Game& next = startGame();
        QCOMPARE(next.session().disappeared().Count(), 0);
        QCOMPARE(next.GetVariableValue(QStringLiteral("door")), 0);
        QVERIFY(shown(1));
    }
};

QTEST_MAIN(tst_Play)
#include "tst_Play.moc"
