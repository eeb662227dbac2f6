#include "editor/dialogs/windows/frmFrameProperties.h"
#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/FolderList.h"
#include "editor/shell/windows/frmFrames.h"
#include "editor/shell/windows/frmMenu.h"
#include "editor/shell/windows/frmNewProject.h"
#include "editor/shell/windows/frmObjects.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextMetrics.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/windows/Game.h"
#include "player/windows/frmWelcome.h"
#include "support/OffscreenWarnings.h"
#include "support/TempProject.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// The real coordinator, with only the frame editing (whose window is not made
// yet) and the modal dialogs recorded.
class RecordingWindows : public EditorWindows {
public:
    using EditorWindows::EditorWindows;

    QStringList edited;
    QStringList dialogs;  // class name and the frame or project it shows
    // Where the author, in the new-project dialog, makes project "Quest".
    QString newProjectLocation;

protected:
    void editFrame(const QString& frame) override { edited << frame; }
    int runModal(QDialog& dialog) override
    {
        QString shown;
        if (auto* properties = qobject_cast<frmFrameProperties*>(&dialog))
            shown = QLatin1Char(' ') + properties->txtName->text();
        dialogs << QString::fromLatin1(dialog.metaObject()->className()) + shown;
        auto* newProject = qobject_cast<frmNewProject*>(&dialog);
        if (newProject && !newProjectLocation.isEmpty()) {
            newProject->Dir1->setPath(newProjectLocation);
            newProject->txtName->setText(QStringLiteral("Quest"));
            newProject->Command3_Click();
        }
        return QDialog::Rejected;
    }
    void endProgram() override {}
};

}  // namespace

class tst_EditorWindows : public QObject {
    Q_OBJECT

private:
    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < m_editor->framesWindow()->LView->count(); ++i)
            names << m_editor->framesWindow()->LView->item(i)->text();
        return names;
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMenu> m_menu;
    RecordingWindows* m_editor = nullptr;  // owned by the menu
    QTemporaryDir m_program;

private slots:
    void initTestCase()
    {
        TextMetrics::setOverride(16);
        ignoreOffscreenWindowWarnings();
    }

    void init()
    {
        m_project = std::make_unique<TempProject>();
        m_project->makeGame();
        const QByteArray frame = "0\r\n255\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n";
        m_project->write(QStringLiteral("Frames/Hall.fme"), frame);
        m_project->write(QStringLiteral("Frames/Yard.fme"), frame);
        m_project->write(QStringLiteral("Areas/Key.obj"), "\"key.png\"\r\n");
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_menu = std::make_unique<frmMenu>();
        m_editor = new RecordingWindows(m_menu.get());
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
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.isEmpty() ? QString() : unexpected.first().text));
    }

    void panelsBringTheirSideWindows()
    {
        m_menu->ShowPanel(EditorPanel::EditProject);
        frmFrames* frames = m_editor->framesWindow();
        QVERIFY(frames->isVisible());
        QCOMPARE(listed(), (QStringList{QStringLiteral("Hall"), QStringLiteral("Yard")}));
        QCOMPARE(frames->LView->viewMode(), QListView::IconMode);
        m_menu->optList->click();
        QCOMPARE(frames->LView->viewMode(), QListView::ListMode);

        FrameRecord::current().Name = QStringLiteral("Hall");
        m_menu->ShowPanel(EditorPanel::ObjectsAndEvents);
        QVERIFY(!frames->isVisible());
        frmObjects* objects = m_editor->objectsWindow();
        QVERIFY(objects->isVisible());
        QCOMPARE(objects->ObjectsList->count(), 1);

        // Closing the objects list by hand ends the editing of events.
        objects->Form_QueryUnload(true);
        QCOMPARE(m_menu->currentPanel(), EditorPanel::EditFrame);
        QVERIFY(!objects->isVisible());
        QVERIFY(m_dialogs->shown().isEmpty());
    }

    void theFramesListAndTheMenuReachTheSameAnswers()
    {
        m_menu->ShowPanel(EditorPanel::EditProject);
        frmFrames* frames = m_editor->framesWindow();
        frames->LView->setCurrentRow(1);
        frames->LView_ItemClick();
        frames->LView_Click();
        frames->LView_DblClick();
        m_menu->cmdEditSelectedFrame_Click();
        QCOMPARE(m_editor->edited, (QStringList{QStringLiteral("Yard"), QStringLiteral("Yard")}));

        frames->mnuFrameProperties_Click();
        m_menu->cmdFrameProperties_Click();
        QCOMPARE(m_editor->dialogs, (QStringList{QStringLiteral("frmFrameProperties Yard"),
                                                 QStringLiteral("frmFrameProperties Yard")}));

        // Removing from the menu rebuilds the list beside it.
        m_dialogs->queueAnswer(Dialogs::OK);
        m_menu->cmdRemoveSelectedFrame_Click();
        QVERIFY(!m_project->exists(QStringLiteral("Frames/Yard.fme")));
        QCOMPARE(listed(), QStringList{QStringLiteral("Hall")});
    }

    void runFromThisFramePlaysTheGameFromTheSelectedFrame()
    {
        ProjectRecord::current().StartingFrame = QStringLiteral("Hall");
        m_project->write(QStringLiteral("Config/Variables"), "0\r\n");
        m_menu->ShowPanel(EditorPanel::EditProject);
        frmFrames* frames = m_editor->framesWindow();
        QVERIFY(frames->mnuFrameModify->actions().contains(frames->mnuFrameRun));
        QCOMPARE(frames->mnuFrameRun->text(), QStringLiteral("Run from this frame"));
        frames->LView->setCurrentRow(1);
        frames->mnuFrameRun->trigger();
        Game* game = Game::loaded();
        QVERIFY(game);
        QCOMPARE(game->session().frame().Name, QStringLiteral("Yard"));
        QVERIFY(game->isVisible());
        QCOMPARE(ProcessState::StatusText, QStringLiteral("RunningFromEditor"));
        QVERIFY(frmWelcome::loaded() && !frmWelcome::loaded()->isVisible());
        QVERIFY(!m_menu->isVisible());
        // Leaving the game and its welcome window comes back to the editor.
        game->mnuExit_Click();
        frmWelcome::loaded()->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_menu->isVisible());
        QVERIFY(m_dialogs->shown().isEmpty());
    }

    void aFrameMadeInTheListBringsBackTheEditProjectPanel()
    {
        m_menu->ShowPanel(EditorPanel::NewFrameCreation);
        // A picture from outside the Frames folder, copied into it.
        m_project->write(QStringLiteral("Beach.bmp"), "BM");
        m_editor->framesWindow()->LView_OLEDragDrop({m_project->path() + QStringLiteral("Beach.bmp")});
        QCOMPARE(m_menu->currentPanel(), EditorPanel::EditProject);
        QCOMPARE(listed(), (QStringList{QStringLiteral("Beach"), QStringLiteral("Hall"), QStringLiteral("Yard")}));
    }

    void startButtonsOpenTheirDialogs()
    {
        m_menu->cmdNewProject->click();
        m_menu->cmdLoadProject->click();
        m_menu->Command12_Click();
        QCOMPARE(m_editor->dialogs, (QStringList{QStringLiteral("frmNewProject"), QStringLiteral("frmLoadProject"),
                                                 QStringLiteral("frmProjectProperties")}));
    }

    void aNewProjectsPropertiesOpenOverTheNewProjectDialog()
    {
        QTemporaryDir location;
        m_editor->newProjectLocation = location.path();
        m_dialogs->queueAnswer(Dialogs::OK);  // "Your new game will be stored in the following folder"
        m_menu->cmdNewProject->click();
        QCOMPARE(m_editor->dialogs, (QStringList{QStringLiteral("frmNewProject"), QStringLiteral("frmProjectProperties")}));
        // The properties were left as they opened, as if confirmed: the
        // project's panel follows.
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
        QVERIFY(ProcessState::StatusText.isEmpty());
    }
};

QTEST_MAIN(tst_EditorWindows)
#include "tst_EditorWindows.moc"
