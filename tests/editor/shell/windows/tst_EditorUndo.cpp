#include "editor/dialogs/AreaProperties.h"
#include "editor/shell/Editor2.h"
#include "editor/shell/JournalAction.h"
#include "editor/shell/ProjectJournal.h"
#include "editor/shell/windows/EditorUndo.h"
#include "editor/shell/windows/CanvasArea.h"
#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/frmFrames.h"
#include "editor/shell/windows/frmMain.h"
#include "editor/shell/windows/frmMenu.h"
#include "editor/shell/RecentProjects.h"
#include "editor/shell/windows/RecentProjectsList.h"
#include "editor/shell/windows/WindowCycle.h"
#include "platform/Registry.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextMetrics.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"
#include "player/records/AtomicFile.h"
#include "player/records/ProjectRecord.h"
#include "support/OffscreenWarnings.h"
#include "support/TempProject.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QListWidget>
#include <QShortcut>
#include <QtTest>

namespace {

// The real coordinator; a modal dialog runs `duringDialog` in place of the
// author's work in it.
class QuietWindows : public EditorWindows {
public:
    using EditorWindows::EditorWindows;
    std::function<void()> duringDialog;

protected:
    int runModal(QDialog&) override
    {
        if (duringDialog)
            duringDialog();
        return QDialog::Accepted;
    }
    void endProgram() override {}
};

}  // namespace

class tst_EditorUndo : public QObject {
    Q_OBJECT

    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < m_editor->framesWindow()->LView->count(); ++i)
            names << m_editor->framesWindow()->LView->item(i)->text();
        return names;
    }
    QString undoLine() const { return m_menu->findChild<QLabel*>(QStringLiteral("lblUndo"))->text(); }
    // Presses `keys` in `window` as its shortcut would be taken.
    static bool press(QWidget* window, const QKeySequence& keys)
    {
        for (QShortcut* shortcut : window->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly)) {
            if (shortcut->key() == keys) {
                emit shortcut->activated();
                return true;
            }
        }
        return false;
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMenu> m_menu;
    QuietWindows* m_editor = nullptr;  // owned by the menu
    QTemporaryDir m_program;
    QByteArray m_areaBytes;

private slots:
    void initTestCase()
    {
        TextMetrics::setOverride(16);
        ignoreOffscreenWindowWarnings();
    }

    void init()
    {
        Registry::setFile(m_program.filePath(QStringLiteral("registry.ini")));
        m_project = std::make_unique<TempProject>();
        m_project->makeGame();
        const QByteArray frame = "0\r\n255\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n";
        m_project->write(QStringLiteral("Frames/Hall.fme"), frame);
        m_project->write(QStringLiteral("Frames/Yard.fme"), frame);
        m_project->write(QStringLiteral("Frames/Yard.lks"), "1\r\n");
        AreaProperties area;
        area.width = area.height = 300;
        QVERIFY(AreaPropertiesFiles::save(QStringLiteral("Yard"), 1, area));
        m_areaBytes = m_project->read(QStringLiteral("Areas/Yard/1a.dat"));
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_menu = std::make_unique<frmMenu>();
        m_editor = new QuietWindows(m_menu.get());
        QVERIFY(m_menu->Form_Load(m_program.path()));
        m_menu->show();
    }

    void cleanup()
    {
        m_menu.reset();
        const auto unexpected = m_dialogs->unexpected();
        m_dialogs.reset();
        ResetFrameRecord();
        ProjectPaths::clear();
        m_project.reset();
        Registry::setFile(QString());
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.isEmpty() ? QString() : unexpected.first().text));
    }

    void aRemovedFrameComesBackWithItsListAndCanBeRemovedAgain()
    {
        m_menu->ShowPanel(EditorPanel::EditProject);
        QVERIFY(m_editor->undo()->journal());
        QCOMPARE(undoLine(), QString());
        frmFrames* frames = m_editor->framesWindow();
        frames->LView->setCurrentRow(1);
        m_dialogs->queueAnswer(Dialogs::OK);
        frames->LView_KeyDown(Qt::Key_Delete);
        QCOMPARE(listed(), QStringList{QStringLiteral("Hall")});
        QCOMPARE(undoLine(), QStringLiteral("Undo: remove frame 'Yard'"));

        // Ctrl+Z in the frames list, then Ctrl+Y in the main window.
        QVERIFY(press(frames, QKeySequence(Qt::CTRL | Qt::Key_Z)));
        QCOMPARE(listed(), (QStringList{QStringLiteral("Hall"), QStringLiteral("Yard")}));
        QCOMPARE(m_project->read(QStringLiteral("Areas/Yard/1a.dat")), m_areaBytes);
        QCOMPARE(undoLine(), QString());
        // The frame that came back is the one selected, ready for the next step.
        QCOMPARE(frames->selectedFrame(), QStringLiteral("Yard"));
        QVERIFY(press(m_menu.get(), QKeySequence(Qt::CTRL | Qt::Key_Y)));
        QCOMPARE(listed(), QStringList{QStringLiteral("Hall")});
        QCOMPARE(frames->selectedFrame(), QStringLiteral("Hall"));
        QVERIFY(press(m_menu.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)) == true);
        QVERIFY(!m_editor->undo()->journal()->canRedo());
        QVERIFY(m_dialogs->unexpected().isEmpty());
    }

    void theCanvasShowsTheAreasOfTheFilesPutBack()
    {
        m_menu->ShowPanel(EditorPanel::EditProject);
        emit m_menu->editFrameRequested(QStringLiteral("Yard"));
        frmMain* canvas = m_editor->frameEditor();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::EditFrame);
        QCOMPARE(canvas->areaCount(), 1);
        canvas->showAreaMenu(1, QPoint());
        canvas->mnuAreaRemove_Click();
        QCOMPARE(canvas->areaCount(), 0);
        QCOMPARE(undoLine(), QStringLiteral("Undo: remove area 1"));
        QVERIFY(press(canvas, QKeySequence(Qt::CTRL | Qt::Key_Z)));
        QCOMPARE(canvas->areaCount(), 1);
        QCOMPARE(FrameRecord::current().LinksCount, 1);
        QCOMPARE(m_project->read(QStringLiteral("Frames/Yard.lks")), QByteArray("1\r\n"));
    }

    void eachDialogIsOneActionNamedAfterIt()
    {
        m_menu->ShowPanel(EditorPanel::EditProject);
        ProjectJournal* journal = m_editor->undo()->journal();
        int written = 0;
        m_editor->duringDialog = [&] {
            // Two files, each written twice: still one action.
            for (int i = 0; i < 2; ++i) {
                AtomicFile::write(m_project->path() + QStringLiteral("Frames/Hall.lks"), QByteArray::number(++written));
                AtomicFile::write(m_project->path() + QStringLiteral("Config/Variables"), QByteArray::number(written));
            }
        };
        const auto before = m_project->read(QStringLiteral("Frames/Hall.lks"));
        emit m_menu->framePropertiesRequested(QStringLiteral("Hall"));
        QCOMPARE(undoLine(), QStringLiteral("Undo: properties of frame 'Hall'"));
        emit m_menu->projectPropertiesRequested();
        QCOMPARE(undoLine(), QStringLiteral("Undo: project properties"));
        QCOMPARE(journal->undoCount(), 2);
        QVERIFY(m_editor->undo()->undo());
        QVERIFY(m_editor->undo()->undo());
        QCOMPARE(m_project->read(QStringLiteral("Frames/Hall.lks")), before);
        // A dialog left without a change leaves nothing to undo.
        m_editor->duringDialog = nullptr;
        emit m_menu->projectPropertiesRequested();
        QVERIFY(!journal->canUndo());
    }

    void everyMenuButtonSaysWhatItDoesAndItsKey()
    {
        for (QPushButton* button : m_menu->findChildren<QPushButton*>())
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        QCOMPARE(m_menu->cmdNewProject->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QVERIFY(m_menu->cmdRunProject->toolTip().endsWith(QStringLiteral("(Ctrl+R)")));
        QCOMPARE(m_menu->cmdHelp->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void recentProjectsAreOfferedAndAGoneOneIsDropped()
    {
        QTemporaryDir gone;
        RecentProjects::add(gone.path());
        RecentProjects::add(m_project->path());
        m_editor->undo();  // the list is made with the window; show the new entries
        auto* recent = m_menu->findChild<RecentProjectsList*>(QStringLiteral("lstRecentProjects"));
        QVERIFY(recent);
        recent->refresh();
        QCOMPARE(recent->count(), 2);
        QVERIFY(!recent->accessibleName().isEmpty());

        m_dialogs->queueAnswer(Dialogs::OK);
        const QString goneFolder = recent->item(1)->data(Qt::UserRole).toString();
        gone.remove();
        emit recent->projectChosen(goneFolder);
        QCOMPARE(recent->count(), 1);
        QVERIFY(m_dialogs->messages().last().contains(QStringLiteral("can no longer be found")));

        ProjectRecord::current().ProjectName = QStringLiteral("Test Game");
        QVERIFY(Editor2::SaveProjectChecksum());
        ProjectPaths::clear();
        emit recent->projectChosen(m_project->path());
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
        QVERIFY(m_editor->undo()->journal());
        QCOMPARE(RecentProjects::list().first(), m_project->path());
    }

    // The line at the foot of the narrow main window: a name that fits on
    // two lines is shown whole, wrapped at its spaces; a longer one is cut on
    // the second line, never past the window's edge, and the tooltip and the
    // description keep it whole.
    void aLongUndoLineWrapsOverTwoLines()
    {
        m_menu->ShowPanel(EditorPanel::EditProject);
        QLabel* line = m_menu->findChild<QLabel*>(QStringLiteral("lblUndo"));
        const QSize windowSize = m_menu->size();
        const QFontMetrics metrics = line->fontMetrics();
        // Where the label draws: an indent moves the text from the edges it
        // is aligned to.
        QRect area = line->contentsRect();
        if (line->indent() > 0) {
            if (line->alignment() & Qt::AlignLeft)
                area.setLeft(area.left() + line->indent());
            if (line->alignment() & Qt::AlignTop)
                area.setTop(area.top() + line->indent());
        }
        const int room = area.width();
        const auto act = [&](const QString& name) {
            JournalAction action(name);
            AtomicFile::write(m_project->path() + QStringLiteral("Frames/Hall.lks"), name.toUtf8());
        };
        const auto linesOf = [&](const QString& text) {
            const QRect need = metrics.boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap, text);
            QVERIFY2(need.width() <= room, qPrintable(text));
            QVERIFY2(need.height() <= area.height(), qPrintable(text));
        };
        for (const QString& name : {QStringLiteral("change 'My First Adventure.exe'"),
                                    QStringLiteral("properties of area 12 of frame 'The Long Corridor'")}) {
            act(name);
            QCOMPARE(undoLine(), QStringLiteral("Undo: ") + name);
            QVERIFY(metrics.horizontalAdvance(undoLine()) > room);  // it does need two lines
            linesOf(undoLine());
        }
        const QString longest = QStringLiteral("properties of area 12 of frame 'The Long Corridor Beneath the Old "
                                               "Castle_Where_The_Dragon_Sleeps_Through_The_Winter'");
        act(longest);
        QVERIFY(undoLine().startsWith(QStringLiteral("Undo: properties")));
        QCOMPARE(undoLine().count(QLatin1Char('\n')), 1);
        QVERIFY(undoLine().contains(QChar(0x2026)));
        linesOf(undoLine());
        QVERIFY(line->toolTip().contains(longest));
        QCOMPARE(line->accessibleDescription(), QStringLiteral("Undo: ") + longest);
        // The window keeps its size whatever the line says.
        QCOMPARE(m_menu->size(), windowSize);
    }

    // F6 goes from the main window to the frames list, onto the frame
    // selected, and Shift+F6 (or F6 again) back.
    void f6GoesToTheFramesListAndBack()
    {
        m_menu->ShowPanel(EditorPanel::EditProject);
        frmFrames* frames = m_editor->framesWindow();
        QVERIFY(frames->isVisible());
        m_menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_menu.get()));
        QCOMPARE(QApplication::focusWidget(), m_menu->cmdAddFrame);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_COMPARE(QApplication::activeWindow(), frames);
        QCOMPARE(QApplication::focusWidget(), frames->LView);
        QVERIFY(frames->LView->currentItem() && frames->LView->currentItem()->isSelected());
        QCOMPARE(frames->selectedFrame(), QStringLiteral("Hall"));
        // The buttons act on it.
        QCOMPARE(frames->LView->selectedItems().size(), 1);
        QTest::keyClick(frames->LView, Qt::Key_End);
        QCOMPARE(frames->selectedFrame(), QStringLiteral("Yard"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
        QTRY_COMPARE(QApplication::activeWindow(), m_menu.get());
        QCOMPARE(QApplication::focusWidget(), m_menu->cmdAddFrame);
        // Back again, the list is where it was left.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_COMPARE(QApplication::activeWindow(), frames);
        QCOMPARE(QApplication::focusWidget(), frames->LView);
        QCOMPARE(frames->selectedFrame(), QStringLiteral("Yard"));
        // A window that is not shown is passed over.
        QCOMPARE(m_editor->windowCycle()->next(m_menu.get(), 1), frames);
        m_menu->ShowPanel(EditorPanel::Project);
        QCOMPARE(m_editor->windowCycle()->next(m_menu.get(), 1), m_menu.get());
        // The frame being edited, shown on top: F6 goes to the main window
        // and back to the canvas, where the keyboard lands on its area.
        emit m_menu->editFrameRequested(QStringLiteral("Yard"));
        frmMain* canvas = m_editor->frameEditor();
        canvas->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), canvas);
        QTest::keyClick(canvas, Qt::Key_F6);
        QTRY_COMPARE(QApplication::activeWindow(), m_menu.get());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_COMPARE(QApplication::activeWindow(), canvas);
        QCOMPARE(QApplication::focusWidget(), canvas->area(1));
    }

    void closingTheProjectEndsItsHistory()
    {
        m_menu->ShowPanel(EditorPanel::EditProject);
        m_dialogs->queueAnswer(Dialogs::OK);
        m_editor->framesWindow()->LView->setCurrentRow(0);
        m_editor->framesWindow()->LView_KeyDown(Qt::Key_Delete);
        QVERIFY(m_editor->undo()->journal()->canUndo());
        m_menu->ShowPanel(EditorPanel::Project);
        QVERIFY(m_editor->undo()->journal()->canUndo());
        m_menu->cmdYesClose_Click();
        QVERIFY(!m_editor->undo()->journal());
        // The author is told that Ctrl+Z has nothing more to take back.
        QCOMPARE(undoLine().simplified(), QStringLiteral("The undo history ended when the project was closed."));
        m_menu->ShowPanel(EditorPanel::Project);
        QVERIFY(!m_editor->undo()->journal()->canUndo());
        QCOMPARE(undoLine(), QString());
    }
};

QTEST_MAIN(tst_EditorUndo)
#include "tst_EditorUndo.moc"
