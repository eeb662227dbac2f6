#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "platform/media/RecordingMci.h"
#include "player/FrameRecord.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/windows/frmLoadGame.h"
#include "player/windows/frmSaveGame.h"
#include "player/windows/frmWelcome.h"
#include "support/GameFiles.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using GameFiles::Action;
using GameFiles::Area;
using GameFiles::Frame;

// Picking objects, dragging them onto areas, and saving and loading games.
class tst_Inventory : public QObject {
    Q_OBJECT

private:
    void noteDrag(ImageControl* icon) { m_drags << icon; }

    Game& startGame()
    {
        ProjectRecord::current().load(m_project->path() + QStringLiteral("Config/General"));
        Game& game = Game::load();
        // The drag itself is the coordinator's; here it is only noted.
        connect(&game, &Game::dragRequested, this, &tst_Inventory::noteDrag, Qt::UniqueConnection);
        game.ResetAll();
        game.StartNewGame();
        return game;
    }

    QStringList inventory()
    {
        return Game::loaded()->session().inventory();
    }

    QPoint cell(int k) { return Game::loaded()->pickedObjects()[size_t(k)]->pos(); }

    void makeObjects(const QStringList& names)
    {
        for (const QString& name : names) {
            GameFiles::writeObject(*m_project, name, name + QStringLiteral(".ico"));
            GameFiles::writePicture(*m_project, QStringLiteral("Areas/") + name + QStringLiteral(".ico"), QSize(32, 32));
        }
    }

    void saveAs(const QString& name, int replaceAnswer = 0)
    {
        frmSaveGame dialog;
        dialog.LoadSaveGames();
        dialog.Text1->setText(name);
        if (replaceAnswer)
            m_dialogs->queueAnswer(replaceAnswer);
        dialog.Command2_Click();
    }

    bool loadGame(const QString& name)
    {
        frmLoadGame dialog;
        dialog.LoadSaveGames();
        const auto items = dialog.List1->findItems(name, Qt::MatchExactly);
        if (items.isEmpty())
            return false;
        dialog.List1->setCurrentItem(items.first());
        dialog.Command2_Click();
        return dialog.result() == QDialog::Accepted;
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<RecordingMci> m_mci;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QList<ImageControl*> m_drags;

private slots:
    void init()
    {
        DesktopScreen::setOverride(QSize(1024, 768));
        m_project = std::make_unique<TempProject>();
        m_project->makeGame(QStringLiteral("Quest"), 640, 480, QStringLiteral("Hall"));
        GameFiles::writeVariables(*m_project, {QStringLiteral("door"), QStringLiteral("lamp")});
        Frame hall;
        hall.links = 3;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        for (int n = 1; n <= 3; ++n)
            GameFiles::writeArea(*m_project, QStringLiteral("Hall"), n, Area());
        GameFiles::writeFrame(*m_project, QStringLiteral("Yard"), Frame());
        m_mci = std::make_unique<RecordingMci>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_drags.clear();
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

    void clickingAPickableAreaFillsTheGridRowByRow()
    {
        makeObjects({QStringLiteral("key")});
        GameFiles::writePickable(*m_project, QStringLiteral("Hall"), 1, QStringLiteral("key"), QStringLiteral("key.ico"));
        GameFiles::writeAction(*m_project, QStringLiteral("Hall"), 1, Action());
        Game& game = startGame();
        for (int i = 0; i < 19; ++i)
            game.Area_Click(1);  // the same object again and again: duplicates are allowed
        QCOMPARE(game.session().objectsCount(), qint16(19));
        QCOMPARE(cell(1), QPoint(0, 0));
        QCOMPARE(cell(18), QPoint(17 * 35, 0));
        QCOMPARE(cell(19), QPoint(0, 35));
        QCOMPARE(game.pickedObjects()[1]->toolTip(), QStringLiteral("key"));
        // Inventory icons stay above the areas of a frame opened later.
        game.OpenFrame(QStringLiteral("Hall"));
        QCOMPARE(game.PictureBox->childAt(QPoint(5, 5)), game.pickedObjects()[1]);
    }

    void areasThatAreNotPickableAddNothing()
    {
        m_project->writeLines(QStringLiteral("Areas/Hall/2c.dat"), {QStringLiteral("0"), QStringLiteral("\"key\"")});
        GameFiles::writePickable(*m_project, QStringLiteral("Hall"), 3, QStringLiteral("ghost"), QStringLiteral("ghost.ico"));
        Game& game = startGame();
        game.PickOrNotPickObject(1);  // no file at all
        game.PickOrNotPickObject(2);
        QCOMPARE(game.session().objectsCount(), qint16(0));
        // A missing object file: the message, and no cell is kept.
        m_dialogs->queueAnswer(Dialogs::OK);
        game.PickOrNotPickObject(3);
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to pick up 'ghost'.")});
        QCOMPARE(game.session().objectsCount(), qint16(0));
        // An icon that cannot be loaded gives its cell back as well.
        GameFiles::writeObject(*m_project, QStringLiteral("ghost"), QStringLiteral("ghost.ico"));
        m_project->write(QStringLiteral("Areas/ghost.ico"), "not a picture");
        m_dialogs->queueAnswer(Dialogs::OK);
        game.PickOrNotPickObject(3);
        QCOMPARE(game.session().objectsCount(), qint16(0));
        QCOMPARE(game.pickedObjects().size(), size_t(1));
    }

    void removingMovesTheLastObjectIntoTheFreedCell()
    {
        makeObjects({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
        Game& game = startGame();
        for (const char* name : {"A", "B", "C", "D"})
            game.AddPickedObject(QString::fromLatin1(name));
        game.RemovePickedObject(2);
        QCOMPARE(inventory(), QStringList({QStringLiteral("A"), QStringLiteral("D"), QStringLiteral("C")}));
        QCOMPARE(cell(2), QPoint(35, 0));
        game.RemovePickedObject(3);  // the last one
        QCOMPARE(inventory(), QStringList({QStringLiteral("A"), QStringLiteral("D")}));
        game.RemovePickedObject(9);  // out of range: nothing
        game.RemovePickedObject(1);
        game.RemovePickedObject(1);
        QCOMPARE(game.session().objectsCount(), qint16(0));
    }

    void onlyTheLeftButtonStartsADragAndADropRunsTheEvent()
    {
        makeObjects({QStringLiteral("key"), QStringLiteral("coin")});
        Action use;
        use.changeVariable = 1;
        use.variable = QStringLiteral("door");
        use.setToOne = true;
        use.disappear = 1;
        GameFiles::writeEvent(*m_project, QStringLiteral("Hall"), 2, QStringLiteral("key"), use);
        Game& game = startGame();
        game.AddPickedObject(QStringLiteral("coin"));
        game.AddPickedObject(QStringLiteral("key"));
        game.ShowMenus();
        QTest::mousePress(game.pickedObjects()[2], Qt::RightButton);
        QVERIFY(!game.menusShown());
        QVERIFY(m_drags.isEmpty());
        QCOMPARE(game.DraggedObjectIndex, qint16(0));
        QTest::mousePress(game.pickedObjects()[2], Qt::LeftButton);
        QCOMPARE(m_drags.size(), 1);
        QCOMPARE(game.DraggedObjectIndex, qint16(2));
        game.Area_DragDrop(2, game.pickedObjects()[2]);
        QCOMPARE(game.GetVariableValue(QStringLiteral("door")), 1);
        QCOMPARE(inventory(), QStringList{QStringLiteral("coin")});
        QVERIFY(!game.areas()[2]->isHidden());  // the area stays
    }

    void saveNewGameLoadRestoresEverything()
    {
        makeObjects({QStringLiteral("key"), QStringLiteral("coin")});
        Action gone;
        gone.changeVariable = 1;
        gone.variable = QStringLiteral("lamp");
        gone.setToOne = true;
        gone.disappear = 1;
        gone.goToFrame = 1;
        gone.target = QStringLiteral("Yard");
        GameFiles::writeAction(*m_project, QStringLiteral("Hall"), 3, gone);
        Game& game = startGame();
        game.AddPickedObject(QStringLiteral("coin"));
        game.AddPickedObject(QStringLiteral("key"));
        game.Area_Click(3);
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Yard"));
        saveAs(QStringLiteral("my game"));
        QCOMPARE(m_project->read(QStringLiteral("my game.sav")),
                 QByteArray("\"Yard\"\r\n2\r\n\"door\"\r\n0\r\n\"lamp\"\r\n1\r\n1\r\n\"Hall\"\r\n3\r\n2\r\n\"coin\"\r\n\"key\"\r\n"));

        // A variable declared after the save stays 0; a new game changed all.
        GameFiles::writeVariables(*m_project, {QStringLiteral("door"), QStringLiteral("lamp"), QStringLiteral("new")});
        game.mnuExit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Game& fresh = startGame();
        fresh.ChangeVariableValue(QStringLiteral("new"), 1);
        fresh.AddPickedObject(QStringLiteral("key"));

        frmWelcome welcome(m_project->path());
        welcome.show();
        QVERIFY(loadGame(QStringLiteral("my game")));
        Game* loaded = Game::loaded();
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Yard"));
        QCOMPARE(loaded->GetVariableValue(QStringLiteral("lamp")), 1);
        QCOMPARE(loaded->GetVariableValue(QStringLiteral("new")), 0);
        QCOMPARE(loaded->session().disappeared().Count(), 1);
        QCOMPARE(inventory(), QStringList({QStringLiteral("coin"), QStringLiteral("key")}));
        QCOMPARE(cell(1), QPoint(0, 0));
        QCOMPARE(cell(2), QPoint(35, 0));
        QVERIFY(loaded->isVisible());
        QVERIFY(welcome.isHidden());
        loaded->OpenFrame(QStringLiteral("Hall"));
        QVERIFY(loaded->areas()[3]->isHidden());
    }

    void aSaveCutShortKeepsWhatWasRead()
    {
        m_project->writeLines(QStringLiteral("cut.sav"),
                              {QStringLiteral("\"Yard\""), QStringLiteral("1"), QStringLiteral("\"door\""), QStringLiteral("1"),
                               QStringLiteral("5")});
        startGame();
        m_dialogs->queueAnswer(Dialogs::OK);
        QVERIFY(!loadGame(QStringLiteral("cut")));
        QCOMPARE(m_dialogs->messages(),
                 QStringList{QStringLiteral("Unable to load '") + m_project->path() + QStringLiteral("cut.sav'.")});
        QCOMPARE(Game::loaded()->GetVariableValue(QStringLiteral("door")), 1);
        QCOMPARE(Game::loaded()->session().disappeared().Count(), 0);

        // Huge counts backed by nothing end quickly at the end of the file.
        m_project->writeLines(QStringLiteral("huge.sav"), {QStringLiteral("\"Yard\""), QStringLiteral("2147483647")});
        m_dialogs->queueAnswer(Dialogs::OK);
        QVERIFY(!loadGame(QStringLiteral("huge")));
    }

    void replacingAsksAndCancelKeepsTheOldFile()
    {
        startGame();
        m_project->write(QStringLiteral("Old.sav"), "old bytes\r\n");
        saveAs(QStringLiteral("old"), Dialogs::Cancel);
        QCOMPARE(m_dialogs->shown().last().text,
                 QStringLiteral("'old' already exists. Are you sure you want to replace it?"));
        QCOMPARE(m_dialogs->shown().last().icon, Dialogs::Icon::Question);
        QCOMPARE(m_project->read(QStringLiteral("Old.sav")), QByteArray("old bytes\r\n"));
        saveAs(QStringLiteral("old"), Dialogs::OK);
        // Nothing disappeared and nothing picked: both counts are written, 0.
        QCOMPARE(m_project->read(QStringLiteral("Old.sav")),
                 QByteArray("\"Hall\"\r\n2\r\n\"door\"\r\n0\r\n\"lamp\"\r\n0\r\n0\r\n0\r\n"));
        QVERIFY(!m_project->exists(QStringLiteral("old.sav")));  // the same file, whatever its case
    }

    void unsafeNamesAreRefusedAndWriteNothing()
    {
        startGame();
        const QStringList before = QDir(m_project->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (const QString& name : {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral(".."),
                                    QStringLiteral("."), QStringLiteral("tab\tname")}) {
            m_dialogs->clear();
            m_dialogs->queueAnswer(Dialogs::OK);
            saveAs(name);
            QCOMPARE(m_dialogs->messages(),
                     QStringList{QStringLiteral("Unable to save '") + m_project->path() + name + QStringLiteral(".sav'")});
        }
        QCOMPARE(QDir(m_project->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QVERIFY(!QFile::exists(m_project->path() + QStringLiteral("../x.sav")));
    }

    void listsRemovesAndAsksForSelections()
    {
        startGame();
        for (const char* name : {"b.sav", "A.SAV", ".sav", "c.txt"})
            m_project->write(QString::fromLatin1(name), "x");
        frmSaveGame save;
        save.LoadSaveGames();
        QCOMPARE(save.List1->count(), 2);
        QCOMPARE(save.List1->item(0)->text(), QStringLiteral("A"));
        m_dialogs->queueAnswer(Dialogs::OK);
        save.Command3_Click();
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Please select the game you want to remove."));
        save.List1->setCurrentRow(1);
        m_dialogs->queueAnswer(Dialogs::Cancel);
        save.Command3_Click();
        QVERIFY(m_project->exists(QStringLiteral("b.sav")));
        QCOMPARE(m_dialogs->messages().last(),
                 QStringLiteral("This will remove '") + m_project->path() + QStringLiteral("b.sav'.\nClick 'Cancel' to abort."));
        save.List1->setCurrentRow(1);
        m_dialogs->queueAnswer(Dialogs::OK);
        save.Command3_Click();
        QVERIFY(!m_project->exists(QStringLiteral("b.sav")));
        QCOMPARE(save.List1->count(), 1);

        // A file gone since the list was filled cannot be removed: the
        // message names it, and the list stays as it was.
        QFile::remove(m_project->path() + QStringLiteral("A.SAV"));
        save.List1->setCurrentRow(0);
        m_dialogs->queueAnswer(Dialogs::OK);
        m_dialogs->queueAnswer(Dialogs::OK);
        save.Command3_Click();
        QCOMPARE(m_dialogs->shown().last().text, QStringLiteral("Unable to remove '") + m_project->path() + QStringLiteral("A.sav'."));
        QCOMPARE(m_dialogs->shown().last().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(save.List1->count(), 1);
        m_project->write(QStringLiteral("A.SAV"), "x");

        m_dialogs->queueAnswer(Dialogs::OK);
        save.Text1->clear();
        save.Command2_Click();
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Please enter a name to the game to be saved."));

        frmLoadGame load;
        QFile::remove(m_project->path() + QStringLiteral("A.SAV"));
        load.LoadSaveGames();
        QCOMPARE(load.List1->count(), 0);
        m_dialogs->queueAnswer(Dialogs::OK);
        load.Command2_Click();
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Please select the game you want to load."));
    }
};

QTEST_MAIN(tst_Inventory)
#include "tst_Inventory.moc"
