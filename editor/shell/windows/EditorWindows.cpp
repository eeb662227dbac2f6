#include "editor/shell/windows/EditorWindows.h"

#include "platform/KeyboardReturn.h"

#include "editor/dialogs/windows/frmAreaProperties.h"
#include "editor/dialogs/windows/frmFrameProperties.h"
#include "editor/dialogs/windows/frmProjectProperties.h"
#include "editor/distribution/windows/frmCompile.h"
#include "editor/shell/FrameFiles.h"
#include "editor/shell/GameCheckRun.h"
#include "editor/shell/windows/frmCheckGame.h"
#include "editor/shell/JournalAction.h"
#include "editor/shell/windows/EditorUndo.h"
#include "editor/shell/windows/MenuHints.h"
#include "editor/shell/windows/RecentProjectsList.h"
#include "editor/shell/windows/WindowCycle.h"
#include "editor/shell/RecentProjects.h"
#include "editor/shell/Validate.h"
#include "editor/shell/windows/frmFrames.h"
#include "editor/shell/windows/frmLoadProject.h"
#include "editor/shell/windows/frmMain.h"
#include "editor/shell/windows/frmMenu.h"
#include "editor/shell/windows/frmNewProject.h"
#include "editor/shell/windows/frmObjects.h"
#include "platform/Dialogs.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/AreaPlacement.h"
#include "player/records/RecordSync.h"
#include "player/records/ProjectFiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <QTabWidget>

EditorWindows::EditorWindows(frmMenu* menu)
    : QObject(menu)
    , m_menu(menu)
    , m_undo(new EditorUndo(menu))
    , m_cycle(new WindowCycle(this))
{
    m_cycle->add(menu);
    // Every panel change passes here: the Start panel means no project is
    // open, any panel of a project that the journal does not know starts one.
    connect(menu, &frmMenu::framesWindowRequested, this, [this] {
        const EditorPanel panel = m_menu->currentPanel();
        if (panel != EditorPanel::About && panel != EditorPanel::Help)
            m_undo->projectChanged(panel != EditorPanel::Start);
    });
    connect(m_undo, &EditorUndo::filesRestored, this, [this] { showRestoredFiles(); });
    MenuHints::apply(*menu);
    // The recent projects stand on the first panel below its buttons.
    m_recent = new RecentProjectsList(menu->Menu[size_t(EditorPanel::Start)]);
    m_recent->setMaximumHeight(120);
    if (auto* layout = qobject_cast<QVBoxLayout*>(m_recent->parentWidget()->layout()))
        layout->insertWidget(layout->indexOf(menu->cmdHelp) + 1, m_recent);
    // Tab reaches it where it stands, not after "Quit", made before it.
    QWidget::setTabOrder(menu->cmdHelp, m_recent);
    QWidget::setTabOrder(m_recent, menu->cmdQuit);
    connect(m_recent, &RecentProjectsList::projectChosen, this, [this](const QString& folder) { openRecentProject(folder); });
    // Lambdas, not member pointers, so that a test's overrides answer.
    connect(menu, &frmMenu::framesWindowRequested, this, [this](bool shown) { showFramesWindow(shown); });
    connect(menu, &frmMenu::frameEditorRequested, this, [this](bool shown) { showFrameEditor(shown); });
    connect(menu, &frmMenu::objectsWindowRequested, this, [this](bool shown) { showObjectsWindow(shown); });
    connect(menu, &frmMenu::framesListRequested, this, [this](bool icons) { rebuildFramesList(icons); });
    connect(menu, &frmMenu::editFrameRequested, this, [this](const QString& frame) { editFrame(frame); });
    connect(menu, &frmMenu::framePropertiesRequested, this, [this](const QString& frame) { openFrameProperties(frame); });
    connect(menu, &frmMenu::removeFrameRequested, this, [this](const QString& frame) { removeFrame(frame); });
    connect(menu, &frmMenu::newProjectRequested, this, [this] { openNewProject(); });
    connect(menu, &frmMenu::loadProjectRequested, this, [this] { openLoadProject(); });
    connect(menu, &frmMenu::projectPropertiesRequested, this, [this] { openProjectProperties(); });
    connect(menu, &frmMenu::distributionBuilderRequested, this, [this] { openDistributionBuilder(); });
    connect(menu, &frmMenu::gameCheckRequested, this, [this] { openGameCheck(); });
    connect(menu, &frmMenu::programEndRequested, this, [this] { endProgram(); });
}

frmFrames* EditorWindows::framesWindow()
{
    if (!m_frames) {
        m_frames = new frmFrames(m_menu);
        connect(m_frames, &frmFrames::editFrameRequested, this, [this](const QString& frame) { editFrame(frame); });
        connect(m_frames, &frmFrames::framePropertiesRequested, this,
                [this](const QString& frame) { openFrameProperties(frame); });
        connect(m_frames, &frmFrames::panelRequested, m_menu, &frmMenu::ShowPanel);
        connect(m_frames, &frmFrames::runFromFrameRequested, m_menu,
                [this](const QString& frame) { m_menu->RunProject(frame); });
        m_menu->setFramesList(m_frames);
        m_undo->attach(m_frames);
        m_cycle->add(m_frames, [this] { m_frames->takeKeyboard(); });
    }
    return m_frames;
}

frmObjects* EditorWindows::objectsWindow()
{
    if (!m_objects) {
        m_objects = new frmObjects(m_menu);
        // Closing the objects list ends the editing of events.
        connect(m_objects, &frmObjects::closedByAuthor, this, [this] { m_menu->ShowPanel(EditorPanel::EditFrame); });
        m_undo->attach(m_objects);
        m_cycle->add(m_objects);
    }
    return m_objects;
}

// The frames list stands beside the main window while a project's frames
// are being worked on.
void EditorWindows::showFramesWindow(bool shown)
{
    if (shown) {
        framesWindow()->ShowFramesWindow(m_menu);
        framesWindow()->ListFrames(m_menu->framesAsIcons());
    } else if (m_frames) {
        m_frames->hide();
    }
}

frmMain* EditorWindows::frameEditor()
{
    if (!m_canvas) {
        m_canvas = new frmMain(m_menu);
        // It stands to the right of the main window; where the author puts
        // it afterwards is kept while the panels change.
        m_canvas->move(m_menu->frameGeometry().topRight());
        m_undo->attach(m_canvas);
        m_cycle->add(m_canvas);
        // Closing the canvas is the Edit frame panel's "Done".
        connect(m_canvas, &frmMain::closedByAuthor, m_menu, &frmMenu::Command10_Click);
        connect(m_canvas, &frmMain::eventsChanged, m_menu, &frmMenu::RefreshEventsList);
        connect(m_canvas, &frmMain::areaPropertiesRequested, this,
                [this](int n, const QRectF& twips) { openAreaProperties(n, twips); });
        connect(m_canvas, &frmMain::newAreaDrawn, this,
                [this](int n, const QRectF& twips, bool* kept) { *kept = openNewArea(n, twips); });
        connect(m_canvas, &frmMain::areaMoved, this,
                [this](int n, const QRectF& twips) { saveAreaPosition(n, twips); });
        connect(m_canvas, &frmMain::objectDropped, this,
                [this](int n, const QString& object) { openObjectEvent(n, object); });
    }
    return m_canvas;
}

// The canvas is there while a frame is edited.
void EditorWindows::showFrameEditor(bool shown)
{
    if (shown) {
        frameEditor()->show();
    } else if (m_canvas) {
        m_canvas->hide();
    }
}

void EditorWindows::showObjectsWindow(bool shown)
{
    if (shown) {
        objectsWindow()->ListObjects();
        objectsWindow()->ShowObjectsWindow(m_menu);
    } else if (m_objects) {
        m_objects->hide();
    }
}

void EditorWindows::rebuildFramesList(bool icons) { framesWindow()->ListFrames(icons); }

void EditorWindows::editFrame(const QString& frame)
{
    if (frame.isEmpty() || !LoadFrameFile(frame)) {
        // The canvas is not opened on a frame it could not read: saving its
        // areas would write beside a frame that is not there.
        MsgBox(QStringLiteral("Unable to load '") + ProjectFiles::frameFile(frame) + QStringLiteral("'"));
        return;
    }
    ProcessState::StatusText = QStringLiteral("0");
    frmMain* canvas = frameEditor();
    canvas->ChangeResolution();
    canvas->showBackground(FrameRecord::current());
    canvas->LoadEditorAreas();
    m_menu->ShowPanel(EditorPanel::EditFrame);
}

// The area dialog is made anew for each use, so each starts from a new
// area's state before it loads anything. A save may add or rename an object:
// the objects list, when shown, is listed again.
void EditorWindows::openAreaProperties(int n, const QRectF& twips)
{
    ProcessState::StatusText = QString::number(n);
    {
        JournalAction action(QStringLiteral("area %1 properties").arg(n));
        frmAreaProperties dialog(m_menu);
        connect(&dialog, &frmAreaProperties::objectsChanged, this, [this] { if (m_objects) m_objects->ListObjects(); });
        dialog.SetType(0);
        dialog.LoadAreaProperties();
        dialog.RefreshEnabled();
        dialog.setAreaRectangle(twips);
        runModal(dialog);
    }
    ProcessState::StatusText = QStringLiteral("0");
}

bool EditorWindows::openNewArea(int n, const QRectF& twips)
{
    ProcessState::StatusText = QString::number(n);
    {
        JournalAction action(QStringLiteral("draw area %1").arg(n));
        frmAreaProperties dialog(m_menu);
        connect(&dialog, &frmAreaProperties::objectsChanged, this, [this] { if (m_objects) m_objects->ListObjects(); });
        dialog.SetType(0);
        dialog.setAreaRectangle(twips);
        runModal(dialog);
    }
    const bool kept = ProcessState::StatusText != QLatin1String("cancel");
    ProcessState::StatusText = QStringLiteral("0");
    return kept;
}

// After a move only the rectangle changes: the area's files are read and
// written back without the dialog being shown. When they cannot be read
// whole (the author is told) nothing is written, so that the actions and the
// object of an area with one damaged file are not replaced by a new area's.
void EditorWindows::saveAreaPosition(int n, const QRectF& twips)
{
    ProcessState::StatusText = QString::number(n);
    {
        JournalAction action(QStringLiteral("move area %1").arg(n));
        frmAreaProperties dialog(m_menu);
        if (dialog.LoadAreaProperties()) {
            dialog.setAreaRectangle(twips);
            dialog.SaveAreaProperties();
        }
    }
    ProcessState::StatusText = QStringLiteral("0");
}

void EditorWindows::openObjectEvent(int n, const QString& object)
{
    ProcessState::StatusText = QString::number(n);
    ProcessState::EventObjectName = object;
    {
        JournalAction action(QStringLiteral("event '") + object + QStringLiteral("' on area %1").arg(n));
        frmAreaProperties dialog(m_menu);
        dialog.SetType(1);
        dialog.LoadObjectOnArea();
        dialog.RefreshEnabled();
        runModal(dialog);
    }
    ProcessState::StatusText = QStringLiteral("0");
    ProcessState::EventObjectName.clear();
}

void EditorWindows::openFrameProperties(const QString& frame)
{
    if (frame.isEmpty()) {
        MsgBox(QStringLiteral("Please select a frame."), Dialogs::Icon::Information);
        return;
    }
    JournalAction action(QStringLiteral("properties of frame '") + frame + QLatin1Char('\''));
    frmFrameProperties dialog(m_menu);
    dialog.SetTab();
    dialog.LoadFrameProperties(frame);
    runModal(dialog);
}

void EditorWindows::removeFrame(const QString& frame)
{
    FrameFiles::RemoveFrame(frame);
    if (m_frames)
        m_frames->ListRestoredFrames(m_menu->framesAsIcons());
}

void EditorWindows::openNewProject()
{
    frmNewProject dialog(m_menu);
    connect(&dialog, &frmNewProject::panelRequested, m_menu, &frmMenu::ShowPanel);
    connect(&dialog, &frmNewProject::newProjectPropertiesRequested, this, &EditorWindows::openNewProjectProperties);
    runModal(dialog);
    rememberOpenProject();
}

void EditorWindows::openLoadProject()
{
    frmLoadProject dialog(m_menu);
    connect(&dialog, &frmLoadProject::panelRequested, m_menu, &frmMenu::ShowPanel);
    runModal(dialog);
    rememberOpenProject();
}

void EditorWindows::openRecentProject(const QString& folder)
{
    if (!QFileInfo(folder).isDir() || Validate::IsProjectFolder(folder) != Validate::Yes) {
        MsgBox(QStringLiteral("The project '") + folder +
                   QStringLiteral("' can no longer be found. It is removed from the recent projects."),
               Dialogs::Icon::Information);
        RecentProjects::remove(folder);
        m_recent->refresh();
        return;
    }
    frmLoadProject dialog(m_menu);
    connect(&dialog, &frmLoadProject::panelRequested, m_menu, &frmMenu::ShowPanel);
    dialog.LoadProject(folder);
    rememberOpenProject();
}

// A project that is open after a dialog, on the Project panel, becomes the
// first of the recent projects.
void EditorWindows::rememberOpenProject()
{
    if (m_menu->currentPanel() != EditorPanel::Project || ProjectPaths::ProjectPath.isEmpty())
        return;
    RecentProjects::add(ProjectPaths::ProjectPath);
    m_recent->refresh();
}

void EditorWindows::openNewProjectProperties()
{
    // The properties cover the new-project dialog while they are open.
    frmProjectProperties dialog(m_menu);
    dialog.SSTab1->setCurrentIndex(0);
    runModal(dialog);
}

void EditorWindows::openProjectProperties()
{
    JournalAction action(QStringLiteral("project properties"));
    frmProjectProperties dialog(m_menu);
    dialog.LoadProject();
    dialog.SSTab1->setCurrentIndex(0);
    runModal(dialog);
}

void EditorWindows::openDistributionBuilder()
{
    frmCompile dialog(m_menu);
    runModal(dialog);
}

int EditorWindows::runModal(QDialog& dialog)
{
    // The keyboard comes back to the window the dialog was opened from (the
    // canvas after an area's dialog), or else to the main window, never to
    // no window at all.
    KeyboardReturn back(m_menu);
    return dialog.exec();
}

void EditorWindows::showRestoredFiles()
{
    if (m_frames && m_frames->isVisible())
        m_frames->ListRestoredFrames(m_menu->framesAsIcons());
    if (m_objects && m_objects->isVisible())
        m_objects->ListObjects();
    if (m_canvas && m_canvas->isVisible()) {
        const QString frame = FrameRecord::current().Name;
        if (LoadFrameFile(frame)) {
            m_canvas->showBackground(FrameRecord::current());
            m_canvas->LoadEditorAreas();
        } else {
            // The frame being edited is gone: back to the project's frames.
            m_menu->ShowPanel(EditorPanel::EditProject);
        }
    }
    if (m_menu->currentPanel() == EditorPanel::ListOfEvents)
        m_menu->RefreshEventsList();
}

void EditorWindows::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

frmCheckGame* EditorWindows::checkWindow()
{
    if (!m_check) {
        m_check = new frmCheckGame(m_menu);
        m_check->setAttribute(Qt::WA_DeleteOnClose, false);
        m_cycle->add(m_check);
        m_checkRun = new GameCheckRun(m_check);
        connect(m_checkRun, &GameCheckRun::finished, m_check, &frmCheckGame::showReport);
        connect(m_checkRun, &GameCheckRun::failed, m_check, &frmCheckGame::showFailure);
        connect(m_check, &frmCheckGame::checkRequested, this, [this] { openGameCheck(); });
        connect(m_check, &frmCheckGame::frameRequested, this, [this](const QString& frame) { editFrame(frame); });
        connect(m_check, &frmCheckGame::areaRequested, this,
                [this](const QString& frame, int n) { showCheckedArea(frame, n); });
    }
    return m_check;
}

void EditorWindows::openGameCheck()
{
    frmCheckGame* window = checkWindow();
    window->showChecking();
    window->show();
    window->raise();
    m_checkRun->start(ProjectPaths::ProjectPath);
}

// The frame is opened in the frame editor, then the area's properties, with
// the rectangle its file holds.
void EditorWindows::showCheckedArea(const QString& frame, int n)
{
    const bool readable = LoadFrameFile(frame);
    editFrame(frame);
    if (!readable)
        return;
    AreaPlacement placement;
    RecordFile::load(ProjectFiles::areaFile(frame, n, ProjectFiles::AreaPart::Placement), placement);
    openAreaProperties(n, QRectF(placement.Left, placement.Top, placement.Width, placement.Height));
}
