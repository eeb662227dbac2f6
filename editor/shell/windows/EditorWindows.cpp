#include "editor/shell/windows/EditorWindows.h"

#include "editor/dialogs/windows/frmAreaProperties.h"
#include "editor/dialogs/windows/frmFrameProperties.h"
#include "editor/dialogs/windows/frmProjectProperties.h"
#include "editor/distribution/windows/frmCompile.h"
#include "editor/shell/FrameFiles.h"
#include "editor/shell/windows/frmFrames.h"
#include "editor/shell/windows/frmLoadProject.h"
#include "editor/shell/windows/frmMain.h"
#include "editor/shell/windows/frmMenu.h"
#include "editor/shell/windows/frmNewProject.h"
#include "editor/shell/windows/frmObjects.h"
#include "platform/Dialogs.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/records/ProjectFiles.h"

#include <QApplication>
#include <QTabWidget>

EditorWindows::EditorWindows(frmMenu* menu)
    : QObject(menu)
    , m_menu(menu)
{
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
    }
    return m_frames;
}

frmObjects* EditorWindows::objectsWindow()
{
    if (!m_objects) {
        m_objects = new frmObjects(m_menu);
        // Closing the objects list ends the editing of events.
        connect(m_objects, &frmObjects::closedByAuthor, this, [this] { m_menu->ShowPanel(EditorPanel::EditFrame); });
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
    frmFrameProperties dialog(m_menu);
    dialog.SetTab();
    dialog.LoadFrameProperties(frame);
    runModal(dialog);
}

void EditorWindows::removeFrame(const QString& frame)
{
    FrameFiles::RemoveFrame(frame);
    if (m_frames)
        m_frames->ListFrames(m_menu->framesAsIcons());
}

void EditorWindows::openNewProject()
{
    frmNewProject dialog(m_menu);
    connect(&dialog, &frmNewProject::panelRequested, m_menu, &frmMenu::ShowPanel);
    connect(&dialog, &frmNewProject::newProjectPropertiesRequested, this, &EditorWindows::openNewProjectProperties);
    runModal(dialog);
}

void EditorWindows::openLoadProject()
{
    frmLoadProject dialog(m_menu);
    connect(&dialog, &frmLoadProject::panelRequested, m_menu, &frmMenu::ShowPanel);
    runModal(dialog);
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

int EditorWindows::runModal(QDialog& dialog) { return dialog.exec(); }

void EditorWindows::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
