#include "editor/distribution/windows/frmCompile.h"

#include "editor/distribution/Distribution.h"
#include "editor/shell/windows/Mnemonics.h"
#include "editor/distribution/InstallerScript.h"
#include "editor/shell/windows/DriveList.h"
#include "editor/shell/Editor2.h"
#include "editor/shell/EditorPaths.h"
#include "editor/shell/JournalPause.h"
#include "editor/shell/windows/FolderList.h"
#include "editor/shell/windows/SideWindow.h"
#include "editor/shell/Validate.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Registry.h"
#include "platform/WindowsFolder.h"
#include "player/records/AtomicFile.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/records/FileLayer.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QLabel* wrapped(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// Copies the player beside the project under the game's name, ready to run.
// The copy is the distribution's, not an edit of the author's: the undo
// history neither records it nor holds the earlier copy.
bool copyPlayer(const QString& from, const QString& to)
{
    JournalPause unrecorded;
    QFile player(FileNames::resolve(from));
    if (!player.open(QIODevice::ReadOnly) || !AtomicFile::write(to, player.readAll()))
        return false;
    QFile copy(FileNames::resolve(to));
    return copy.setPermissions(copy.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

// True when both paths name one file, in any letter case, also through
// links or "..".
bool sameFile(const QString& a, const QString& b)
{
    const auto canonical = [](const QString& path) {
        const QFileInfo info(FileNames::resolve(path));
        const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
    };
    return canonical(a).compare(canonical(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

const QString& frmCompile::compilerSettingsKey()
{
    return Registry::InstallerCompilerSettings;
}

frmCompile::frmCompile(QWidget* mainWindow)
    : QDialog(mainWindow)
{
    setWindowTitle(QStringLiteral("Distribute the adventure"));
    SideWindow::place(this, mainWindow, 2775, 5520);

    Frame1 = new QWidget;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtFileName = new QLineEdit;
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    Drive1 = new DriveList;
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir2 = new FolderList;
    Dir2->setObjectName(QStringLiteral("Dir2"));
    Command3 = new QPushButton(QStringLiteral("OK"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4 = new QPushButton(QStringLiteral("Cancel"));
    Command4->setObjectName(QStringLiteral("Command4"));
    Command1 = new QPushButton(QStringLiteral("Options..."));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3->setDefault(true);
    txtTarget = new QLineEdit;
    txtTarget->setObjectName(QStringLiteral("txtTarget"));
    txtTarget->setReadOnly(true);
    txtTarget->setToolTip(QStringLiteral("The installer will be created as this file."));
    auto* main = new QVBoxLayout(Frame1);
    main->setContentsMargins(0, 0, 0, 0);
    main->addWidget(new QLabel(QStringLiteral("File name:")));
    main->addWidget(txtFileName);
    main->addWidget(new QLabel(QStringLiteral("Location:")));
    main->addWidget(Drive1);
    main->addWidget(Dir2, 1);
    main->addWidget(txtTarget);
    main->addWidget(wrapped(QStringLiteral("Give a name to the new file and select the location where you want to create it.")));
    main->addWidget(Command3);
    main->addWidget(Command4);
    main->addWidget(Command1);

    Frame3 = new QWidget;
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Check1 = new QCheckBox(QStringLiteral("Do not distribute MSVBVM50.DLL (688KB)."));
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("Do not distribute the other system files (386KB)."));
    Check2->setObjectName(QStringLiteral("Check2"));
    CheckEnable = new QCheckBox(QStringLiteral("Let anyone edit your game with Quendara."));
    CheckEnable->setObjectName(QStringLiteral("CheckEnable"));
    Color = new QComboBox;
    Color->setObjectName(QStringLiteral("Color"));
    Color->addItems(InstallerScript::colours());
    Command5 = new QPushButton(QStringLiteral("Default"));
    Command5->setObjectName(QStringLiteral("Command5"));
    Command2 = new QPushButton(QStringLiteral("OK"));
    Command2->setObjectName(QStringLiteral("Command2"));
    auto* optionsLayout = new QVBoxLayout(Frame3);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    for (QCheckBox* box : {Check1, Check2, CheckEnable}) {
        box->setStyleSheet(QStringLiteral("QCheckBox { spacing: 6px; }"));
        optionsLayout->addWidget(box);
    }
    optionsLayout->addWidget(new QLabel(QStringLiteral("Installation background color:")));
    optionsLayout->addWidget(Color);
    optionsLayout->addWidget(wrapped(QStringLiteral(
        "WARNING: The games created with this program require all the above system files.  If you decide not to "
        "distribute them, you must be sure that the end-user has already got them, or you must distribute them "
        "separately.")));
    optionsLayout->addStretch();
    optionsLayout->addWidget(Command5);
    optionsLayout->addWidget(Command2);

    Frame2 = new QWidget;
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* waiting = new QVBoxLayout(Frame2);
    waiting->addWidget(wrapped(QStringLiteral("Waiting that you close the Setup Compiler before completing the operation...")));
    waiting->addStretch();

    auto* layout = new QVBoxLayout(this);
    for (QWidget* frame : {Frame1, Frame3, Frame2})
        layout->addWidget(frame);

    const std::pair<QWidget*, const char*> names[] = {
        {txtFileName, "File name"}, {Drive1, "Drive"}, {Dir2, "Location"}, {txtTarget, "The installer will be created as"},
        {Command3, "OK"}, {Command4, "Cancel"}, {Command1, "Options"}, {Check1, "Do not distribute MSVBVM50.DLL"},
        {Check2, "Do not distribute the other system files"}, {CheckEnable, "Let anyone edit your game with Quendara"},
        {Color, "Installation background color"}, {Command5, "Default"}, {Command2, "OK of the options"}};
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(QLatin1String(name));

    connect(Drive1, &DriveList::driveChanged, this, &frmCompile::Drive1_Change);
    connect(Dir2, &FolderList::pathChanged, this, &frmCompile::showTarget);
    connect(txtFileName, &QLineEdit::textChanged, this, &frmCompile::showTarget);
    connect(Dir2, &FolderList::pathChanged, Drive1, &DriveList::showDriveOf);
    connect(Command1, &QPushButton::clicked, this, &frmCompile::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmCompile::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, &frmCompile::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmCompile::Command5_Click);
    connect(Check1, &QCheckBox::clicked, this, &frmCompile::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &frmCompile::Check2_Click);
    Form_Load();
    // The three parts show one at a time: each has its own letters.
    Mnemonics::assign(this, {Frame1, Frame2, Frame3});
}

frmCompile::~frmCompile() = default;

void frmCompile::Form_Load()
{
    showFrame(Frame1);
    txtFileName->setText(ProjectRecord::current().AdventureName + QStringLiteral(".exe"));
    Color->setCurrentIndex(0);
    // The desktop of the Windows folder as the old systems had it, else this
    // user's desktop, else the home folder.
    const QString desktops[] = {WindowsFolder() + QStringLiteral("/Desktop"),
                                QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), QDir::homePath()};
    for (const QString& folder : desktops) {
        if (Dir2->setPath(FileNames::resolve(folder)))
            break;
    }
    Drive1->showDriveOf(Dir2->path());
    showTarget();
}

QString frmCompile::targetFolder() const
{
    QString folder = Dir2->path();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void frmCompile::showTarget()
{
    txtTarget->setText(targetFolder() + txtFileName->text());
}

void frmCompile::reject()
{
    // The compiler is running: the dialog stays until it has ended and its
    // installer has been put in place.
    if (!m_building)
        QDialog::reject();
}

void frmCompile::closeEvent(QCloseEvent* event)
{
    if (m_building)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmCompile::showFrame(QWidget* frame)
{
    for (QWidget* f : {Frame1, Frame2, Frame3})
        f->setVisible(f == frame);
    // Enter presses the OK of the part shown.
    Command2->setDefault(frame == Frame3);
    Command3->setDefault(frame == Frame1);
}

void frmCompile::Drive1_Change() { Dir2->setPath(Drive1->drive()); }
void frmCompile::Command1_Click() { showFrame(Frame3); }
void frmCompile::Command2_Click() { showFrame(Frame1); }
void frmCompile::Command4_Click() { reject(); }

void frmCompile::Command5_Click()
{
    Color->setCurrentIndex(0);
    for (QCheckBox* box : {Check1, Check2, CheckEnable})
        box->setChecked(false);
}

void frmCompile::Check1_Click()
{
    if (Check1->isChecked() &&
        MsgBox(QStringLiteral("WARNING! The selected system file is required by the game you are distributing."),
               Dialogs::Icon::Exclamation, Dialogs::Buttons::OKCancel) == Dialogs::Cancel)
        Check1->setChecked(false);
}

void frmCompile::Check2_Click()
{
    if (Check2->isChecked() &&
        MsgBox(QStringLiteral("WARNING! The selected system files are required by the game you are distributing."),
               Dialogs::Icon::Exclamation, Dialogs::Buttons::OKCancel) == Dialogs::Cancel)
        Check2->setChecked(false);
}

InstallerOptions frmCompile::options() const
{
    InstallerOptions o;
    o.withoutRuntime = Check1->isChecked();
    o.withoutSystemFiles = Check2->isChecked();
    o.letAnyoneEdit = CheckEnable->isChecked();
    o.colour = Color->currentText();
    return o;
}

bool frmCompile::CreateFiles()
{
    JournalPause unrecorded;
    QString failed;
    if (Distribution::CreateFiles(options(), &failed))
        return true;
    MsgBox(QStringLiteral("Unable to write '") + failed + QStringLiteral("'."), Dialogs::Icon::Exclamation);
    return false;
}

bool frmCompile::Command3_Click()
{
    // Window events run while the compiler is waited for: a second build
    // cannot start inside the first.
    if (m_building)
        return false;
    QString name = txtFileName->text();
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("Please enter a valid file name."), Dialogs::Icon::Information);
        return false;
    }
    if (name.size() < 5)
        name += QStringLiteral(".exe");
    if (name.right(4).toLower() != QLatin1String(".exe"))
        name += QStringLiteral(".exe");
    txtFileName->setText(name);
    // The name becomes one file in the chosen folder, never a path elsewhere.
    if (!FileNames::isPlainName(name)) {
        MsgBox(QStringLiteral("Please enter a valid file name."), Dialogs::Icon::Information);
        return false;
    }
    const QString lower = name.toLower();
    if (lower == QLatin1String("quendara.exe") || lower == QLatin1String("run.exe")) {
        MsgBox(QStringLiteral("Sorry, The selected file is protected. Please enter another file."), Dialogs::Icon::Information);
        return false;
    }
    const ProjectRecord& record = ProjectRecord::current();
    // The game's name names its program here and its folder once installed.
    if (!FileNames::isPlainName(record.AdventureName) || Validate::HasForbiddenCharacters(record.AdventureName) == Validate::No) {
        Validate::ShowForbiddenCharactersMessage();
        return false;
    }
    const QString folder = targetFolder();
    const QString target = folder + name;
    showTarget();
    // The build copies the player over the project's own copy of the game's
    // program, so that file cannot also receive the installer.
    const QString game = ProjectPaths::ProjectPath + record.AdventureName + QStringLiteral(".exe");
    if (sameFile(target, game)) {
        MsgBox(QStringLiteral("Sorry, '") + target +
                   QStringLiteral("' is the game's own program in the project folder, which the distribution "
                                  "replaces. Please choose another location or file name."),
               Dialogs::Icon::Information);
        return false;
    }
    // A sub-folder selected but not opened is not where the installer goes:
    // the author sees the folder that is used before anything is built.
    const QString selected = Dir2->selectedSubfolder();
    if (!selected.isEmpty() &&
        MsgBox(QStringLiteral("The installer will be created in '") + folder +
                   QStringLiteral("', the open folder of the list, not in the selected folder '") + selected +
                   QStringLiteral("'.\n\nDouble-click a folder to open it. Click 'Cancel' to choose again."),
               Dialogs::Icon::Information, Dialogs::Buttons::OKCancel) != Dialogs::OK)
        return false;
    bool replace = false;
    if (QFileInfo::exists(target)) {
        if (MsgBox(QStringLiteral("The selected file already exists. Do you want to replace it ?"), Dialogs::Icon::Exclamation,
                   Dialogs::Buttons::OKCancel, QStringLiteral("Warning!")) != Dialogs::OK)
            return false;
        replace = true;
    }

    const QString player = EditorPaths::ProgramPath + QStringLiteral("run.dat");
    if (!copyPlayer(player, game)) {
        MsgBox(QStringLiteral("Unable to copy '") + player + QStringLiteral("' to '") + ProjectPaths::ProjectPath +
                   record.AdventureName + QStringLiteral(".exe'."),
               Dialogs::Icon::Exclamation);
        return false;
    }
    if (!CreateFiles())
        return false;

    // From here on a failing step is passed over; the move at the end tells.
    const QString script = EditorPaths::ProgramPath + record.ProjectName + QStringLiteral(".iss");
    Registry::WriteRegistryString(Registry::Root::CurrentUser, compilerSettingsKey(), QStringLiteral("ScriptFile"), script);
    if (MsgBox(QStringLiteral("The Setup Compiler will now appear. Click 'Start', wait a few moments and then click "
                              "'Exit'.\n\n\nTROUBLESHOOTING:\n\nIf the Setup compiler is unable to find the script file, "
                              "click 'Browse' and select the following location: '") +
                   script + QStringLiteral("'."),
               Dialogs::Icon::Information, Dialogs::Buttons::OKCancel, QStringLiteral("Instructions")) == Dialogs::Cancel) {
        done(QDialog::Rejected);
        return true;
    }
    if (replace) {
        JournalPause unrecorded;
        FileLayer::remove(target);
    }
    showFrame(Frame2);
    const QString compiler = FileNames::resolve(EditorPaths::ProgramPath + QStringLiteral("Compiler/Compil32.exe"));
    m_building = true;
    Editor2::RunAndWait(QLatin1Char('"') + compiler + QLatin1Char('"'));
    m_building = false;
    const QString setup = EditorPaths::ProgramPath + QStringLiteral("Output/Setup.exe");
    bool placed = false;
    {
        JournalPause unrecorded;
        placed = FileLayer::rename(FileNames::resolve(setup), target);
    }
    if (placed) {
        MsgBox(QStringLiteral("The installer has been created: '") + target + QStringLiteral("'."), Dialogs::Icon::Information);
    } else {
        MsgBox(QStringLiteral("Unable to rename '") + setup + QStringLiteral("'  as  '") + target +
                   QStringLiteral("'.\n\nOperation Aborted."),
               Dialogs::Icon::Information);
    }
    done(QDialog::Accepted);
    return true;
}

void frmCompile::done(int result)
{
    if (m_building)
        return;
    ProcessState::StatusText.clear();
    QDialog::done(result);
}
