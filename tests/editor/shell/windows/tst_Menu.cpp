#include "editor/dialogs/windows/frmProjectProperties.h"
#include "editor/shell/windows/AboutBox.h"
#include "editor/shell/EditorPaths.h"
#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/frmFrames.h"
#include "editor/shell/windows/frmMenu.h"
#include "platform/FileNames.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Shell.h"
#include "platform/TextMetrics.h"
#include "player/FrameRecord.h"
#include "player/records/RecordSync.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/Twips.h"
#include "player/windows/frmWelcome.h"
#include "support/OffscreenWarnings.h"
#include "support/TempProject.h"
#include "support/FolderSnapshot.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString kStartFrameMessage = QStringLiteral(
    "You must select the frame you want to show when starting the game.\n\nPlease select a valid Starting Frame "
    "from the project properties.");

// The editor's coordinator with the windows beside the menu, the frame
// editing and removal, the distribution builder and the program's end
// recorded instead of done; modal dialogs are answered by the case.
class TestWindows : public EditorWindows {
public:
    using EditorWindows::EditorWindows;

    QStringList log;
    int modals = 0;
    std::function<int(QDialog&)> modal = [this](QDialog&) { return ++modals, int(QDialog::Rejected); };
    bool ended = false;

protected:
    void showFramesWindow(bool shown) override { log << QStringLiteral("frames %1").arg(shown); }
    void showFrameEditor(bool shown) override { log << QStringLiteral("editor %1").arg(shown); }
    void showObjectsWindow(bool shown) override { log << QStringLiteral("objects %1").arg(shown); }
    void rebuildFramesList(bool icons) override { log << QStringLiteral("list as icons %1").arg(icons); }
    void editFrame(const QString& frame) override { log << QStringLiteral("edit ") + frame; }
    void removeFrame(const QString& frame) override { log << QStringLiteral("remove ") + frame; }
    void openDistributionBuilder() override
    {
        log << QStringLiteral("distribution");
        EditorWindows::openDistributionBuilder();
    }
    int runModal(QDialog& dialog) override { return modal(dialog); }
    void endProgram() override { ended = true; }
};

}  // namespace

class tst_Menu : public QObject {
    Q_OBJECT

private:
    // A project "quest" whose starting frame is `start`, with the frames named.
    void makeProject(const QString& start, const QStringList& frames)
    {
        m_project->makeGame(QStringLiteral("quest"), 640, 480, start);
        ProjectRecord::current().load(ProjectPaths::ConfigPath + QStringLiteral("General"));
        for (const QString& frame : frames)
            m_project->write(QStringLiteral("Frames/") + frame + QStringLiteral(".fme"),
                             "0\r\n\"255\"\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n0\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    }

    // The messages a case expects are answered with OK; any other shows up
    // as unexpected.
    void expectMessages(int count)
    {
        for (int i = 0; i < count; ++i)
            m_dialogs->queueAnswer(Dialogs::OK);
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMenu> m_menu;
    QTemporaryDir m_program;
    QTemporaryDir m_windows;
    TestWindows* m_editor = nullptr;  // owned by the menu

private slots:
    void initTestCase()
    {
        TextMetrics::setOverride(16);
        ignoreOffscreenWindowWarnings();
        qputenv("QUENDARA_WINDOWS_FOLDER", m_windows.path().toUtf8());
    }

    void init()
    {
        m_project = std::make_unique<TempProject>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        ProjectRecord::current() = ProjectRecord();
        ResetFrameRecord();
        ProcessState::StatusText.clear();
        m_menu = std::make_unique<frmMenu>();
        m_editor = new TestWindows(m_menu.get());
        QVERIFY(m_menu->Form_Load(m_program.path()));
        m_menu->show();
    }

    void cleanup()
    {
        if (frmWelcome* welcome = frmWelcome::loaded())
            delete welcome;
        m_menu.reset();
        const auto unexpected = m_dialogs->unexpected();
        m_dialogs.reset();
        ProcessState::StatusText.clear();
        ProjectRecord::current() = ProjectRecord();
        ResetFrameRecord();
        ProjectPaths::clear();
        m_project.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.isEmpty() ? QString() : unexpected.first().text));
    }

    void startsOnTheStartPanelAtItsPlace()
    {
        QCOMPARE(EditorPaths::ProgramPath, m_program.path() + QLatin1Char('/'));
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Start);
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Quendara"));
        QCOMPARE(m_menu->pos(), QPoint(Twips::toPixels(200), Twips::toPixels(800)));
        QCOMPARE(m_menu->initialFolder(), EditorPaths::ProgramPath);
        for (int i = 0; i < frmMenu::kPanelCount; ++i) {
            QWidget* panel = m_menu->Menu[size_t(i)];
            QCOMPARE(panel->geometry(), Twips::toPixels(0, -120, 2655, 5355));
            QCOMPARE(panel->isVisible(), i == int(EditorPanel::Start));
        }
        QVERIFY(m_dialogs->shown().isEmpty());
    }

    void largeFontsWarnBeforeStartingAndCancelEnds()
    {
        TextMetrics::setOverride(20);
        m_dialogs->queueAnswer(Dialogs::Cancel);
        frmMenu declined;
        QVERIFY(!declined.Form_Load(m_program.path()));
        m_dialogs->queueAnswer(Dialogs::OK);
        frmMenu accepted;
        QVERIFY(accepted.Form_Load(m_program.path()));
        TextMetrics::setOverride(16);
        ignoreOffscreenWindowWarnings();
        QCOMPARE(m_dialogs->shown().size(), 2);
        const auto& shown = m_dialogs->shown().first();
        QVERIFY(shown.text.startsWith(QStringLiteral("Warning! Your system is set to use large fonts. Quendara will NOT")));
        QVERIFY(shown.text.endsWith(QStringLiteral("restart your computer.\n\nDo you want to continue anyway? (not recommended).")));
        QCOMPARE(shown.title, QStringLiteral("Warning!"));
        QCOMPARE(shown.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(shown.buttons, Dialogs::Buttons::OKCancel);
    }

    void captionsNameThePanelAndShowOneAtATime()
    {
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall")});
        FrameRecord::current().Name = QStringLiteral("Hall");
        const QList<QPair<EditorPanel, QString>> captions = {
            {EditorPanel::Project, QStringLiteral("Project 'quest'.")},
            {EditorPanel::EditProject, QStringLiteral("Edit project 'quest'.")},
            {EditorPanel::EditFrame, QStringLiteral("Edit frame 'Hall'.")},
            {EditorPanel::QuitConfirmation, QStringLiteral("Do you really want to quit ?")},
            {EditorPanel::NewFrameCreation, QStringLiteral("New frame creation")},
            {EditorPanel::ObjectsAndEvents, QStringLiteral("Objects and Events")},
            {EditorPanel::ListOfEvents, QStringLiteral("List of events")},
            {EditorPanel::DrawingTools, QStringLiteral("Drawing tools")},
            {EditorPanel::Distribution, QStringLiteral("Distribution")},
            {EditorPanel::About, QStringLiteral("About")},
            {EditorPanel::Help, QStringLiteral("Create Link")},
            {EditorPanel::Start, QStringLiteral("Quendara")},
        };
        for (const auto& [panel, caption] : captions) {
            m_menu->ShowPanel(panel);
            QCOMPARE(m_menu->windowTitle(), caption);
            for (int i = 0; i < frmMenu::kPanelCount; ++i)
                QCOMPARE(m_menu->Menu[size_t(i)]->isVisible(), i == int(panel));
        }
        m_menu->cmdHelp_Click();
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Create Link"));
        m_menu->cmdHelpBack->click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Start);
    }

    // Each panel takes the keyboard at its first button, and Return presses
    // the focused button.
    void theKeyboardGoesOnInEachPanel()
    {
        m_menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_menu.get()));
        m_menu->ShowPanel(EditorPanel::Start);
        QCOMPARE(QApplication::focusWidget(), m_menu->cmdNewProject);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_menu->cmdAbout);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_menu->currentPanel(), EditorPanel::About);
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->isVisible());
        QCOMPARE(QApplication::focusWidget()->parentWidget(), m_menu->panel(EditorPanel::About));
    }

    // The Help panel's button opens the guide laid out beside the editor in
    // the desktop's browser; without it, the author is told where it belongs.
    void helpPanelOpensTheAuthorsGuideBesideTheEditor()
    {
        QStringList opened;
        Shell::setOpener([&](const QString& target) {
            opened << target;
            return true;
        });
        m_menu->cmdHelp_Click();
        QVERIFY(m_menu->cmdGuide->isVisible());
        QCOMPARE(m_menu->cmdGuide->accessibleName(), QStringLiteral("Open the author's guide"));

        expectMessages(1);
        m_menu->cmdGuide->click();
        QVERIFY(opened.isEmpty());
        QCOMPARE(m_dialogs->messages(),
                 QStringList{QStringLiteral("The author's guide is not installed. It belongs in the folder 'guide' "
                                            "beside the editor: ")
                             + EditorPaths::ProgramPath + QStringLiteral("guide/index.html")});

        // Any letter case of the folder, as the editor finds its other files.
        QVERIFY(QDir(m_program.path()).mkpath(QStringLiteral("Guide")));
        QFile page(m_program.path() + QStringLiteral("/Guide/index.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        m_menu->cmdGuide->click();
        QCOMPARE(opened, QStringList{page.fileName()});
        QCOMPARE(m_dialogs->messages().size(), 1);

        // A desktop without a browser: the page's place is named.
        Shell::setOpener([](const QString&) { return false; });
        expectMessages(1);
        m_menu->cmdGuide->click();
        QVERIFY(m_dialogs->messages().last().startsWith(QStringLiteral("Sorry, unable to open '") + page.fileName()));
        Shell::setOpener(nullptr);
        QVERIFY(QDir(m_program.path() + QStringLiteral("/Guide")).removeRecursively());
    }

    void panelsShowAndHideTheWindowsBesideThem()
    {
        m_editor->log.clear();
        m_menu->ShowPanel(EditorPanel::EditProject);
        QCOMPARE(m_editor->log, (QStringList{QStringLiteral("frames 1"), QStringLiteral("editor 0"), QStringLiteral("objects 0")}));
        m_editor->log.clear();
        m_menu->ShowPanel(EditorPanel::ObjectsAndEvents);
        QCOMPARE(m_editor->log, (QStringList{QStringLiteral("frames 0"), QStringLiteral("editor 1"), QStringLiteral("objects 1")}));
        m_editor->log.clear();
        m_menu->ShowPanel(EditorPanel::ListOfEvents);
        QCOMPARE(m_editor->log, (QStringList{QStringLiteral("frames 0"), QStringLiteral("editor 1"), QStringLiteral("objects 0")}));
        m_editor->log.clear();
        m_menu->ShowPanel(EditorPanel::NewFrameCreation);
        QCOMPARE(m_editor->log, (QStringList{QStringLiteral("frames 1"), QStringLiteral("editor 0"), QStringLiteral("objects 0")}));

        // Either option rebuilds the list, even in the view it shows already.
        m_editor->log.clear();
        m_menu->optIcons_Click();
        m_menu->optIcons_Click();
        m_menu->optList_Click();
        QCOMPARE(m_editor->log, (QStringList{QStringLiteral("list as icons 1"), QStringLiteral("list as icons 1"),
                                              QStringLiteral("list as icons 0")}));
    }

    void aProjectWithoutFramesCanNeitherRunNorBeDistributed()
    {
        makeProject(QStringLiteral("Hall"), {});
        m_menu->ShowPanel(EditorPanel::Project);
        expectMessages(3);
        m_menu->cmdRunProject_Click();
        m_menu->cmdDistribute_Click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
        m_menu->ShowPanel(EditorPanel::Distribution);
        m_menu->cmdCreateInstaller_Click();
        QVERIFY(!m_editor->log.contains(QStringLiteral("distribution")));
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
        QCOMPARE(m_dialogs->messages(),
                 (QStringList{QStringLiteral("To play the game you must create at least one frame.\n\nTo create a new "
                                             "frame, click 'Edit project', and then click 'Add new frame'."),
                              kStartFrameMessage,
                              QStringLiteral("To distribute the game you must create at least one frame.\n\nTo create a "
                                             "new frame, click 'Edit project', and then click 'Add new frame'.")}));
        QCOMPARE(m_dialogs->shown().first().icon, Dialogs::Icon::Information);
        QCOMPARE(m_dialogs->shown().last().icon, Dialogs::Icon::Information);
        QVERIFY(ProcessState::StatusText.isEmpty());
        QVERIFY(!frmWelcome::loaded());
        QVERIFY(m_menu->isVisible());
    }

    void distributionOpensTheBuilderOnlyForAValidStartFrame()
    {
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall")});
        const auto built = [this] { return m_editor->log.count(QStringLiteral("distribution")); };
        m_menu->cmdDistribute_Click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Distribution);
        m_menu->cmdCreateInstaller_Click();
        QCOMPARE(built(), 1);
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);

        ProjectRecord::current().StartingFrame = QStringLiteral("Gone");
        expectMessages(1);
        m_menu->ShowPanel(EditorPanel::Distribution);
        m_menu->cmdCreateInstaller_Click();
        QCOMPARE(built(), 1);
        QCOMPARE(m_dialogs->messages(), QStringList{kStartFrameMessage});
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
    }

    void anInvalidStartFrameOpensThePropertiesAndIsCheckedAgain()
    {
        makeProject(QStringLiteral("Gone"), {QStringLiteral("Hall")});
        expectMessages(2);
        m_menu->ShowPanel(EditorPanel::Project);
        int tab = -1;
        QStringList offered;
        QStringList messagesBefore;
        m_editor->modal = [&](QDialog& dialog) {
            auto& properties = dynamic_cast<frmProjectProperties&>(dialog);
            tab = properties.SSTab1->currentIndex();
            for (int i = 0; i < properties.Combo1->count(); ++i)
                offered << properties.Combo1->itemText(i);
            messagesBefore = m_dialogs->messages();
            properties.Command3_Click();
            return int(QDialog::Rejected);
        };
        m_menu->cmdRunProject_Click();
        QCOMPARE(tab, 0);
        QCOMPARE(offered, QStringList{QStringLiteral("Hall")});
        QCOMPARE(messagesBefore, QStringList{kStartFrameMessage});
        QCOMPARE(m_dialogs->messages(), (QStringList{kStartFrameMessage, kStartFrameMessage}));
        QCOMPARE(m_dialogs->shown().last().icon, Dialogs::Icon::Information);
        QVERIFY(ProcessState::StatusText.isEmpty());
        QVERIFY(!frmWelcome::loaded());
        QVERIFY(m_menu->isVisible());
    }

    void aStartFrameChosenInThePropertiesRunsTheGame()
    {
        makeProject(QString(), {QStringLiteral("Hall")});
        expectMessages(1);
        m_editor->modal = [&](QDialog& dialog) {
            auto& properties = dynamic_cast<frmProjectProperties&>(dialog);
            properties.Form_Activate();
            properties.Combo1->setCurrentIndex(0);
            return int(properties.Command2_Click() ? QDialog::Accepted : QDialog::Rejected);
        };
        m_menu->cmdRunProject_Click();
        QCOMPARE(m_dialogs->messages(), QStringList{kStartFrameMessage});
        QCOMPARE(ProjectRecord::current().StartingFrame, QStringLiteral("Hall"));
        QVERIFY(frmWelcome::loaded());
        QCOMPARE(ProcessState::StatusText, QStringLiteral("RunningFromEditor"));
    }

    void runningHidesTheEditorUntilTheWelcomeWindowCloses()
    {
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall"), QStringLiteral("Yard")});
        m_menu->ShowPanel(EditorPanel::Project);
        m_menu->cmdRunProject_Click();
        QVERIFY(m_dialogs->shown().isEmpty());
        QCOMPARE(ProcessState::StatusText, QStringLiteral("RunningFromEditor"));
        frmWelcome* welcome = frmWelcome::loaded();
        QVERIFY(welcome);
        QVERIFY(welcome->isVisible());
        QVERIFY(!welcome->isModal());
        QCOMPARE(welcome->txtAdventureName->text(), QStringLiteral("quest"));
        QVERIFY(!m_menu->isVisible());

        QPointer<frmWelcome> closing = welcome;
        welcome->close();
        QVERIFY(m_menu->isVisible());
        QVERIFY(ProcessState::StatusText.isEmpty());
        QVERIFY(!m_editor->ended);  // the game ended, not the editor
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
        QTRY_VERIFY(!closing);
    }

    void projectPropertiesOpenOnTheFirstTabWithTheProjectLoaded()
    {
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall")});
        QString adventure;
        int tab = -1;
        m_editor->modal = [&](QDialog& dialog) {
            auto& properties = dynamic_cast<frmProjectProperties&>(dialog);
            adventure = properties.txtAdventureName->text();
            tab = properties.SSTab1->currentIndex();
            return int(QDialog::Rejected);
        };
        m_menu->Command12_Click();
        QCOMPARE(adventure, QStringLiteral("quest"));
        QCOMPARE(tab, 0);
    }

    void closingTheProjectEmptiesTheEventsListAndWritesNothing()
    {
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall")});
        FrameRecord::current().Name = QStringLiteral("Hall");
        m_project->write(QStringLiteral("Areas/Hall/1_key.drg"), "x");
        m_project->write(QStringLiteral("Areas/Hall/2_lamp.drg"), "x");
        m_menu->ShowPanel(EditorPanel::ObjectsAndEvents);
        m_menu->cmdRemoveEvents_Click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::ListOfEvents);
        QCOMPARE(m_menu->EventsList->count(), 2);

        const auto before = folderSnapshot(m_project->path());
        m_menu->ShowPanel(EditorPanel::Project);
        m_menu->cmdQuitProject_Click();
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Do you really want to quit ?"));
        m_menu->cmdCancelClose_Click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
        m_menu->cmdQuitProject_Click();
        m_menu->cmdYesClose->click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Start);
        QCOMPARE(m_menu->EventsList->count(), 0);
        QCOMPARE(folderSnapshot(m_project->path()), before);
        QVERIFY(m_dialogs->shown().isEmpty());
    }

    void removingAnEventDeletesItsFileAndRebuildsTheList()
    {
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall")});
        FrameRecord::current().Name = QStringLiteral("Hall");
        m_project->write(QStringLiteral("Areas/Hall/1_key.drg"), "x");
        m_project->write(QStringLiteral("Areas/Hall/2_lamp.drg"), "x");
        m_menu->cmdRemoveEvents_Click();

        expectMessages(1);
        m_menu->cmdRemoveSelectedEvent_Click();
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Please select the event you want to remove.")});
        QCOMPARE(m_dialogs->shown().last().icon, Dialogs::Icon::Information);

        m_menu->EventsList->setCurrentRow(0);  // "1_key"
        m_menu->cmdRemoveSelectedEvent_Click();
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall/1_key.drg")));
        QVERIFY(m_project->exists(QStringLiteral("Areas/Hall/2_lamp.drg")));
        QCOMPARE(m_menu->EventsList->count(), 1);
        QCOMPARE(m_menu->EventsList->item(0)->text(), QStringLiteral("2_lamp"));

        // The file went away behind the list's back.
        m_dialogs->clear();
        expectMessages(1);
        m_menu->EventsList->setCurrentRow(0);
        QFile::remove(m_project->path() + QStringLiteral("Areas/Hall/2_lamp.drg"));
        m_menu->cmdRemoveSelectedEvent_Click();
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to remove selected event.")});
        QCOMPARE(m_dialogs->shown().last().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(m_menu->EventsList->count(), 0);
    }

    void newFramesComeFromAColourOrAPictureAndCancellingCreatesNothing()
    {
        makeProject(QStringLiteral("Hall"), {});
        m_menu->ShowPanel(EditorPanel::NewFrameCreation);
        m_dialogs->queueFile(QString());
        m_menu->cmdGraphicTiled_Click();
        m_dialogs->queueFile(QString());
        m_menu->cmdGraphicResized_Click();
        m_dialogs->queueColour(std::nullopt);
        m_menu->cmdSolidColour_Click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::NewFrameCreation);
        QVERIFY(FileNames::list(ProjectPaths::FramesPath, QStringLiteral("*.*")).isEmpty());
        QVERIFY(m_menu->initialFolder().isEmpty());

        m_dialogs->queueColour(QColor(1, 2, 3));
        m_menu->cmdSolidColour_Click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::EditProject);
        FrameRecord solid;
        QVERIFY(RecordFile::load(ProjectPaths::FramesPath + QStringLiteral("Solid01.fme"), static_cast<FrameFile&>(solid)));
        QCOMPARE(solid.FrameKind, qint16(0));
        QCOMPARE(solid.Background, QString::number(1 + 2 * 256 + 3 * 65536));

        QTemporaryDir pictures;
        QFile picture(pictures.filePath(QStringLiteral("Beach.bmp")));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.write("BM");
        picture.close();
        m_menu->ShowPanel(EditorPanel::NewFrameCreation);
        m_dialogs->queueFile(picture.fileName());
        m_menu->cmdGraphicTiled_Click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::EditProject);
        QCOMPARE(m_menu->initialFolder(), pictures.path());
        FrameRecord beach;
        QVERIFY(RecordFile::load(ProjectPaths::FramesPath + QStringLiteral("Beach.fme"), static_cast<FrameFile&>(beach)));
        QCOMPARE(beach.FrameKind, qint16(1));
        QCOMPARE(beach.Background, QStringLiteral("Beach.bmp"));
        QVERIFY(beach.Tiled);
        QVERIFY(m_project->exists(QStringLiteral("Frames/Beach.bmp")));
    }

    void outsideToolsThatCannotStartSayWhichAndReturnToProject()
    {
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall")});
        expectMessages(2);
        m_menu->cmdDrawingTools_Click();
        m_menu->cmdIconEditor_Click();

        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
        m_menu->cmdDrawingTools_Click();
        m_menu->cmdPaint_Click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
        QCOMPARE(m_dialogs->messages(),
                 (QStringList{QStringLiteral("Sorry, unable to run '") + EditorPaths::ProgramPath +
                                  QStringLiteral("IcoWrk32.exe'"),
                              QStringLiteral("Sorry, unable to run '") + m_windows.path() +
                                  QStringLiteral("/Pbrush.exe'")}));
        QCOMPARE(m_dialogs->shown().first().icon, Dialogs::Icon::Information);
        QCOMPARE(m_dialogs->shown().last().icon, Dialogs::Icon::None);
    }

    void laidOutDrawingToolsStartWithoutAMessage()
    {
        // The icon editor beside the editor, and the real paint launcher in
        // the Windows folder starting a paint program found on the PATH;
        // both stand-ins note that they ran.
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall")});
        QTemporaryDir bin;
        const auto script = [](const QString& path, const QString& marker) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n: > '" + marker.toUtf8() + "'\n");  // no PATH needed
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        script(m_program.filePath(QStringLiteral("IcoWrk32.exe")), bin.filePath(QStringLiteral("icon-editor-ran")));
        script(bin.filePath(QStringLiteral("kolourpaint")), bin.filePath(QStringLiteral("paint-ran")));
        QVERIFY(QFile::copy(QStringLiteral(PBRUSH_PROGRAM), m_windows.filePath(QStringLiteral("Pbrush.exe"))));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());

        m_menu->cmdDrawingTools_Click();
        m_menu->cmdIconEditor_Click();
        m_menu->cmdDrawingTools_Click();
        m_menu->cmdPaint_Click();
        qputenv("PATH", path);
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Project);
        QVERIFY(m_dialogs->shown().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin.filePath(QStringLiteral("icon-editor-ran"))), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin.filePath(QStringLiteral("paint-ran"))), 20000);
        QFile::remove(m_windows.filePath(QStringLiteral("Pbrush.exe")));
    }

    void frameButtonsAskForASelectedFrame()
    {
        expectMessages(2);
        m_menu->cmdEditSelectedFrame_Click();
        m_menu->cmdRemoveSelectedFrame_Click();
        QCOMPARE(m_dialogs->messages(), (QStringList{QStringLiteral("Please select the frame you want to edit."),
                                                     QStringLiteral("Please select the frame you want to remove.")}));
        // The frames list, once made, gives the selection.
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall")});
        m_editor->framesWindow()->ListFrames(true);
        m_editor->log.clear();
        m_menu->cmdEditSelectedFrame_Click();
        m_menu->cmdRemoveSelectedFrame_Click();
        QCOMPARE(m_editor->log, (QStringList{QStringLiteral("edit Hall"), QStringLiteral("remove Hall")}));
    }

    void aboutTilesItsTextureOverTheWholeBox()
    {
        m_menu->cmdAbout_Click();
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("About"));
        QVERIFY(m_menu->About->findChild<QLabel*>(QStringLiteral("lblVersion")));
        QCOMPARE(m_menu->About->lblVersion->text(), QStringLiteral("Version 2.01"));
        QImage texture(7, 5, QImage::Format_RGB32);
        for (int x = 0; x < 7; ++x)
            for (int y = 0; y < 5; ++y)
                texture.setPixel(x, y, qRgb(x * 30, y * 40, 200));
        m_menu->About->texture = QPixmap::fromImage(texture);
        const QImage shown = m_menu->About->grab().toImage();
        // The far corner shows the texture at the offsets where the last
        // column and row begin.
        const int x = shown.width() - 1;
        const int y = shown.height() - 1;
        QCOMPARE(QColor(shown.pixel(x, y)), QColor(texture.pixel(x % 7, y % 5)));
        QCOMPARE(QColor(shown.pixel(x, 0)), QColor(texture.pixel(x % 7, 0)));
        m_menu->cmdAboutBack->click();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::Start);
    }

    void startButtonsOpenTheProjectDialogsBesideTheWindow()
    {
        QStringList opened;
        m_editor->modal = [&](QDialog& dialog) {
            opened << QString::fromLatin1(dialog.metaObject()->className());
            return int(QDialog::Rejected);
        };
        m_menu->cmdNewProject->click();
        m_menu->cmdLoadProject->click();
        makeProject(QStringLiteral("Hall"), {QStringLiteral("Hall")});
        m_menu->cmdDistribute_Click();
        m_menu->cmdCreateInstaller->click();
        QCOMPARE(opened, (QStringList{QStringLiteral("frmNewProject"), QStringLiteral("frmLoadProject"),
                                      QStringLiteral("frmCompile")}));
    }

    void quitAndClosingEndTheEditor()
    {
        m_menu->cmdQuit_Click();
        QVERIFY(m_editor->ended);
    }
};

QTEST_MAIN(tst_Menu)
#include "tst_Menu.moc"
