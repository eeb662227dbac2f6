#include "editor/shell/windows/frmNewProject.h"

#include "editor/dialogs/windows/frmProjectProperties.h"
#include "editor/shell/windows/Mnemonics.h"
#include "editor/shell/windows/DriveList.h"
#include "editor/shell/EditorPaths.h"
#include "editor/shell/windows/FolderList.h"
#include "editor/shell/windows/SideWindow.h"
#include "editor/shell/Validate.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

frmNewProject::frmNewProject(QWidget* mainWindow)
    : QDialog(mainWindow)
{
    setWindowTitle(QStringLiteral("New Project"));
    SideWindow::place(this, mainWindow, 2775, 5520);

    auto* intro = new QLabel(QStringLiteral("To create a new adventure game, you must create a new folder. Enter the folder "
                                            "name and select the location where you want to create it."));
    intro->setWordWrap(true);
    txtName = new QLineEdit;
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(QStringLiteral("Folder name"));
    Drive1 = new DriveList;
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1 = new FolderList;
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Command3 = new QPushButton(QStringLiteral("OK"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4 = new QPushButton(QStringLiteral("Cancel"));
    Command4->setObjectName(QStringLiteral("Command4"));
    Command3->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    auto* nameLabel = new QLabel(QStringLiteral("Folder name:"));
    nameLabel->setBuddy(txtName);
    layout->addWidget(nameLabel);
    layout->addWidget(txtName);
    auto* locationLabel = new QLabel(QStringLiteral("Location:"));
    locationLabel->setBuddy(Drive1);
    layout->addWidget(locationLabel);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 1);
    layout->addWidget(Command3);
    layout->addWidget(Command4);

    connect(Drive1, &DriveList::driveChanged, this, &frmNewProject::Drive1_Change);
    connect(Dir1, &FolderList::pathChanged, Drive1, &DriveList::showDriveOf);
    connect(Command3, &QPushButton::clicked, this, &frmNewProject::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmNewProject::Command4_Click);
    Form_Load();
    Mnemonics::assign(this);
}

void frmNewProject::Form_Load()
{
    txtName->clear();
    const QString projects = EditorPaths::projectsFolder();
    if (!Dir1->setPath(projects.isEmpty() ? QDir::currentPath() : projects))
        Dir1->setPath(QDir::homePath());
    Drive1->showDriveOf(Dir1->path());
}

void frmNewProject::Drive1_Change()
{
    if (!Dir1->setPath(Drive1->drive()))
        MsgBox(QStringLiteral("Not a valid drive."), Dialogs::Icon::Exclamation);
}

void frmNewProject::Command3_Click()
{
    const QString name = txtName->text();
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("You must give a name to the new project."), Dialogs::Icon::Information);
        return;
    }
    // "." and ".." hold no forbidden character but would name the location
    // itself or its parent; a control character makes a name nobody can type.
    if (Validate::HasForbiddenCharacters(name) == Validate::No || !FileNames::isPlainName(name)) {
        Validate::ShowForbiddenCharactersMessage();
        return;
    }
    ProjectRecord::current().ProjectName = name;
    QString location = Dir1->path();
    if (!location.endsWith(QLatin1Char('/')))
        location += QLatin1Char('/');
    ProjectPaths::setProjectPath(location + name + QLatin1Char('/'));
    if (Validate::IsProjectFolder(ProjectPaths::ProjectPath) == Validate::Yes) {
        MsgBox(QStringLiteral("Sorry, the folder you have chosen already exists."));
        return;
    }
    if (MsgBox(QStringLiteral("Your new game will be stored in the following folder :\n") + ProjectPaths::ProjectPath +
                   QStringLiteral("\n\nPress OK to continue..."),
               Dialogs::Icon::Information, Dialogs::Buttons::OKCancel) == Dialogs::Cancel)
        return;

    ProcessState::StatusText = QStringLiteral("CreateNewProject");
    // The properties dialog covers this one while it is open; cancelling it
    // brings this dialog back as new.
    emit newProjectPropertiesRequested();
    if (!ProcessState::StatusText.isEmpty()) {
        ProcessState::StatusText.clear();
        emit panelRequested(EditorPanel::Project);
        accept();
        return;
    }
    Form_Load();
}

void frmNewProject::Command4_Click() { reject(); }

// Cancel and the window's close box.
void frmNewProject::reject()
{
    emit panelRequested(EditorPanel::Start);
    QDialog::reject();
}
