#include "editor/shell/windows/frmLoadProject.h"

#include "editor/dialogs/windows/frmProjectProperties.h"
#include "editor/shell/windows/Mnemonics.h"
#include "editor/shell/windows/DriveList.h"
#include "editor/shell/Editor.h"
#include "editor/shell/EditorPaths.h"
#include "editor/shell/windows/FolderList.h"
#include "editor/shell/windows/SideWindow.h"
#include "editor/shell/Validate.h"
#include "platform/Dialogs.h"
#include "player/ProjectPaths.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmLoadProject::frmLoadProject(QWidget* mainWindow)
    : QDialog(mainWindow)
    , m_mainWindow(mainWindow)
{
    setWindowTitle(QStringLiteral("Load project"));
    SideWindow::place(this, mainWindow, 2775, 5520);

    auto* intro = new QLabel(QStringLiteral("Select the project you want to load and click 'OK'"));
    intro->setWordWrap(true);
    Drive1 = new DriveList;
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1 = new FolderList;
    Dir1->setObjectName(QStringLiteral("Dir1"));
    CommandOK = new QPushButton(QStringLiteral("OK"));
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    Command4 = new QPushButton(QStringLiteral("Cancel"));
    Command4->setObjectName(QStringLiteral("Command4"));
    CommandOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 1);
    layout->addWidget(CommandOK);
    layout->addWidget(Command4);

    Form_Load();
    connect(Drive1, &DriveList::driveChanged, this, &frmLoadProject::Drive1_Change);
    connect(Dir1, &FolderList::pathChanged, Drive1, &DriveList::showDriveOf);
    connect(Dir1, &FolderList::pathChanged, this, &frmLoadProject::Dir1_Change);
    connect(CommandOK, &QPushButton::clicked, this, &frmLoadProject::CommandOK_Click);
    connect(Command4, &QPushButton::clicked, this, &frmLoadProject::Command4_Click);
    Mnemonics::assign(this);
}

void frmLoadProject::Form_Load()
{
    const QString projects = EditorPaths::projectsFolder();
    if (!Dir1->setPath(projects.isEmpty() ? QDir::currentPath() : projects))
        Dir1->setPath(QDir::homePath());
    Drive1->showDriveOf(Dir1->path());
}

void frmLoadProject::Drive1_Change() { Dir1->setPath(Drive1->drive()); }

void frmLoadProject::Dir1_Change()
{
    QString folder = Dir1->path();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (Validate::IsProjectFolder(folder) == Validate::Yes)
        LoadProject(folder);
}

void frmLoadProject::CommandOK_Click()
{
    const QString selected = Dir1->selectedSubfolder();
    if (selected.isEmpty()) {
        MsgBox(QStringLiteral("Select the project you want to load."), Dialogs::Icon::Information);
        return;
    }
    LoadProject(selected);
}

void frmLoadProject::Command4_Click()
{
    emit panelRequested(EditorPanel::Start);
    reject();
}

bool frmLoadProject::LoadProject(const QString& DirToLoad)
{
    ProjectPaths::setProjectPath(DirToLoad);
    if (Validate::IsProjectFolder(ProjectPaths::ProjectPath) != Validate::Yes) {
        MsgBox(QStringLiteral("The folder you have chosen does not contain a valid project.\n\nDouble-click the folder "
                              "where your project is stored."),
               Dialogs::Icon::Information);
        return false;
    }
    const QString version = Editor::ReadProjectVersion(ProjectPaths::ProjectPath);
    if (!version.isEmpty()) {
        const QString lower = version.toLower();
        if (lower.left(10) == QLatin1String("version 1.")) {
            MsgBox(QStringLiteral("The selected project was created with Quendara ") + version +
                       QStringLiteral(", which is not compatible with the current one.\n\nQuendara is unable to edit "
                                      "the selected project."),
                   Dialogs::Icon::Information);
            return false;
        }
        if (lower != Editor::VersionText.toLower() && lower != QLatin1String("version 2.00") &&
            MsgBox(QStringLiteral("The selected project was created with Quendara ") + version +
                       QStringLiteral(", which is different from the current one. If you decide to continue loading the "
                                      "selected project, Quendara may not work properly, the project may get damaged "
                                      "and you may lose data.\n\nDo you want to load the selected project anyway?"),
                   Dialogs::Icon::Exclamation, Dialogs::Buttons::OKCancel, QStringLiteral("Warning!")) == Dialogs::Cancel)
            return false;
    }
    if (!Validate::VerifyProjectChecksum()) {
        MsgBox(QStringLiteral("The selected project appears to be Write-Protected and cannot be edited. If you have "
                              "troubles loading the project you have created with this version of Quendara, please "
                              "contact the authors."),
               Dialogs::Icon::Information);
        return false;
    }
    Editor::WriteVersionFile();
    frmProjectProperties(m_mainWindow).LoadProject();
    accept();
    emit panelRequested(EditorPanel::Project);
    return true;
}
