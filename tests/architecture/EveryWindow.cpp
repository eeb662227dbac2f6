#include "EveryWindow.h"

#include "editor/dialogs/windows/frmAreaProperties.h"
#include "editor/dialogs/windows/frmFrameProperties.h"
#include "editor/dialogs/windows/frmProjectProperties.h"
#include "editor/distribution/windows/frmCompile.h"
#include "editor/shell/EditorPaths.h"
#include "editor/shell/RecentProjects.h"
#include "editor/shell/windows/AboutBox.h"
#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/frmCheckGame.h"
#include "editor/shell/windows/frmLoadProject.h"
#include "editor/shell/windows/frmMenu.h"
#include "editor/shell/windows/frmNewProject.h"
#include "editor/shell/windows/frmObjects.h"
#include "platform/DesktopScreen.h"
#include "platform/Registry.h"
#include "platform/ScriptedDialogs.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/windows/frmLoadGame.h"
#include "player/windows/frmSaveGame.h"
#include "player/windows/frmWelcome.h"
#include "support/OffscreenWarnings.h"
#include "support/TempProject.h"
#include "tools/Compil32/frmCompiler.h"
#include "tools/IcoWrk32/windows/frmIconEditor.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

void show(const EveryWindow::Visit& visit, const QString& where, QWidget& window)
{
    window.show();
    QCoreApplication::processEvents();
    visit(where, &window);
}

}  // namespace

EveryWindow::EveryWindow()
{
    ignoreOffscreenWindowWarnings();
    DesktopScreen::setOverride(QSize(1280, 1024));
    Registry::setFile(m_settings.path() + QStringLiteral("/registry.ini"));
    EditorPaths::setProgramPath(m_program.path());
    qputenv("QUENDARA_WINDOWS_FOLDER", m_program.path().toUtf8());
    m_project = std::make_unique<TempProject>();
    m_project->makeGame(QStringLiteral("Castle"));
    m_project->write(QStringLiteral("Frames/Hall.fme"),
                     "0\r\n255\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    m_project->write(QStringLiteral("Frames/Hall.lks"), "0\r\n");
    ProjectRecord::current().ProjectName = QStringLiteral("Castle");
    ProjectRecord::current().AdventureName = QStringLiteral("Castle");
    ProjectRecord::current().ScreenWidth = 640;
    ProjectRecord::current().ScreenHeight = 480;
    FrameRecord::current().Name = QStringLiteral("Hall");
    ProcessState::StatusText = QStringLiteral("1");
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs->setUnqueued(ScriptedDialogs::Unqueued::Record);
    // The first panel shows its list of recent projects.
    RecentProjects::add(m_project->path());
}

EveryWindow::~EveryWindow()
{
    m_dialogs.reset();
    m_project.reset();
    ProcessState::StatusText.clear();
}

QString EveryWindow::projectFolder() const { return m_project->path(); }

void EveryWindow::visit(const Visit& visit)
{
    editorMainWindow(visit);
    editorDialogs(visit);
    areaDialog(visit);
    playerWindows(visit);
    tools(visit);
}

void EveryWindow::editorMainWindow(const Visit& visit)
{
    frmMenu menu;
    new EditorWindows(&menu);
    if (!menu.Form_Load(m_program.path()))
        return;
    for (int p = 0; p < frmMenu::kPanelCount; ++p) {
        menu.ShowPanel(EditorPanel(p));
        show(visit, QStringLiteral("main window, panel %1").arg(p), menu);
    }
}

void EveryWindow::editorDialogs(const Visit& visit)
{
    {
        frmNewProject dialog(nullptr);
        show(visit, QStringLiteral("New Project"), dialog);
    }
    {
        frmLoadProject dialog(nullptr);
        show(visit, QStringLiteral("Load project"), dialog);
    }
    {
        frmProjectProperties dialog;
        show(visit, QStringLiteral("Project properties"), dialog);
        dialog.AdventureArea[frmProjectProperties::Custom]->click();
        show(visit, QStringLiteral("Project properties, custom size"), dialog);
    }
    {
        frmFrameProperties dialog;
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            box->setChecked(true);
        for (int tab = 0; tab < dialog.SSTab1->count(); ++tab) {
            dialog.SSTab1->setCurrentIndex(tab);
            show(visit, QStringLiteral("Frame properties, tab %1").arg(tab), dialog);
        }
        dialog.SSTab1->setCurrentIndex(0);
        dialog.Option1[0]->click();
        show(visit, QStringLiteral("Frame properties, solid colour"), dialog);
    }
    {
        frmCompile dialog;
        show(visit, QStringLiteral("Distribution"), dialog);
        dialog.Command1->click();
        show(visit, QStringLiteral("Distribution, options"), dialog);
    }
    {
        frmObjects objects;
        show(visit, QStringLiteral("List of objects"), objects);
    }
    {
        frmCheckGame report;
        show(visit, QStringLiteral("Check game"), report);
    }
    {
        AboutBox about(QStringLiteral("Version 1.0.0"));
        show(visit, QStringLiteral("About"), about);
    }
}

void EveryWindow::areaDialog(const Visit& visit)
{
    frmAreaProperties dialog;
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        box->setChecked(true);
    dialog.AppearanceOption[1]->setChecked(true);
    dialog.RefreshEnabled();
    for (int tab = 0; tab < dialog.SSTab1->count(); ++tab) {
        dialog.SSTab1->setCurrentIndex(tab);
        show(visit, QStringLiteral("Area Properties, tab %1").arg(tab), dialog);
    }
    dialog.Command20->click();
    show(visit, QStringLiteral("Area Properties, mouse pointers"), dialog);

    // An object's event on an area: the same dialog with fewer parts.
    ProcessState::EventObjectName = QStringLiteral("Key");
    frmAreaProperties event;
    event.SetType(1);
    event.RefreshEnabled();
    for (int tab = 0; tab < event.SSTab1->count(); ++tab) {
        event.SSTab1->setCurrentIndex(tab);
        show(visit, QStringLiteral("Object on an area, tab %1").arg(tab), event);
    }
    ProcessState::EventObjectName.clear();
}

void EveryWindow::playerWindows(const Visit& visit)
{
    {
        frmWelcome welcome(m_project->path());
        welcome.Form_Load();
        show(visit, QStringLiteral("Welcome"), welcome);
        welcome.Image8_Click();
        show(visit, QStringLiteral("Welcome, information"), welcome);
    }
    {
        frmLoadGame load;
        show(visit, QStringLiteral("Load game"), load);
    }
    {
        frmSaveGame save;
        show(visit, QStringLiteral("Save game"), save);
    }
}

void EveryWindow::tools(const Visit& visit)
{
    {
        frmCompiler compiler;
        show(visit, QStringLiteral("Installer compiler"), compiler);
    }
    {
        frmIconEditor icons;
        show(visit, QStringLiteral("Icon editor"), icons);
    }
}
