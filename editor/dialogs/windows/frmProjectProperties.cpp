#include "editor/dialogs/windows/frmProjectProperties.h"

#include "editor/dialogs/windows/TabbedDialogLayout.h"
#include "editor/shell/windows/Mnemonics.h"
#include "editor/dialogs/TextNumber.h"
#include "editor/shell/Editor.h"
#include "editor/shell/Editor2.h"
#include "editor/shell/windows/SideWindow.h"
#include "editor/shell/Validate.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/ProcessState.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"
#include "player/records/RecordSync.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

const QString CreateNewProject = QStringLiteral("CreateNewProject");

// The largest picture the player can show (its twips arithmetic is 16-bit).
constexpr double largestSide = 2184;

}  // namespace

frmProjectProperties::frmProjectProperties(QWidget* mainWindow)
    : QDialog(mainWindow)
{
    setWindowTitle(QStringLiteral("Project Properties"));
    SideWindow::place(this, mainWindow, 5520, 6375);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    auto* general = new QWidget;
    auto* form = new QFormLayout(general);
    txtName = new QLineEdit(QStringLiteral("New Project"));
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setReadOnly(true);
    txtName->setEnabled(false);
    txtFileName = new QLineEdit;
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    txtFileName->setReadOnly(true);
    txtAdventureName = new QLineEdit(QStringLiteral("My Adventure"));
    txtAdventureName->setObjectName(QStringLiteral("txtAdventureName"));
    txtVersion = new QLineEdit(QStringLiteral("1.00"));
    txtVersion->setObjectName(QStringLiteral("txtVersion"));
    Combo1 = new QComboBox;
    Combo1->setObjectName(QStringLiteral("Combo1"));
    form->addRow(QStringLiteral("Project name :"), txtName);
    form->addRow(QStringLiteral("Project location :"), txtFileName);
    form->addRow(QStringLiteral("Adventure name :"), txtAdventureName);
    form->addRow(QStringLiteral("Current Version :"), txtVersion);
    form->addRow(QStringLiteral("Starting frame :"), Combo1);

    auto* sizes = new QGroupBox(QStringLiteral("Screen size :"));
    auto* sizesLayout = new QVBoxLayout(sizes);
    auto* group = new QButtonGroup(this);
    const char* captions[] = {"320 x 200", "320 x 240", "640 x 480", "Custom:"};
    for (int i = 0; i < 4; ++i) {
        AdventureArea[size_t(i)] = new QRadioButton(QLatin1String(captions[i]));
        group->addButton(AdventureArea[size_t(i)], i);
        sizesLayout->addWidget(AdventureArea[size_t(i)]);
    }
    AdventureArea[Size640x480]->setChecked(true);
    FrameResolution = new QWidget;
    FrameResolution->setObjectName(QStringLiteral("FrameResolution"));
    auto* resolution = new QHBoxLayout(FrameResolution);
    resolution->setContentsMargins(20, 0, 0, 0);
    txtWidth = new QLineEdit(QStringLiteral("640"));
    txtWidth->setObjectName(QStringLiteral("txtWidth"));
    txtHeight = new QLineEdit(QStringLiteral("480"));
    txtHeight->setObjectName(QStringLiteral("txtHeight"));
    // "640 x 480": the fields have no label of their own.
    txtWidth->setAccessibleName(QStringLiteral("Width"));
    txtHeight->setAccessibleName(QStringLiteral("Height"));
    resolution->addWidget(txtWidth);
    resolution->addWidget(new QLabel(QStringLiteral("x")));
    resolution->addWidget(txtHeight);
    sizesLayout->addWidget(FrameResolution);
    FrameResolution->setVisible(false);
    form->addRow(sizes);
    SSTab1->addTab(general, QStringLiteral("General"));

    auto* author = new QWidget;
    auto* authorForm = new QFormLayout(author);
    txtAuthor = new QLineEdit;
    txtAuthor->setObjectName(QStringLiteral("txtAuthor"));
    txtEmail = new QLineEdit;
    txtEmail->setObjectName(QStringLiteral("txtEmail"));
    txtHomepage = new QLineEdit;
    txtHomepage->setObjectName(QStringLiteral("txtHomepage"));
    authorForm->addRow(QStringLiteral("Author name :"), txtAuthor);
    authorForm->addRow(QStringLiteral("Author email :"), txtEmail);
    authorForm->addRow(QStringLiteral("Author homepage :"), txtHomepage);
    SSTab1->addTab(author, QStringLiteral("Author info"));

    const TabbedDialogLayout bottom = TabbedDialogLayout::apply(*this, SSTab1);
    Command2 = bottom.ok;
    Command3 = bottom.cancel;

    connect(group, &QButtonGroup::idClicked, this, &frmProjectProperties::AdventureArea_Click);
    // However "Custom" is chosen (a key, an assistive tool), its sizes show.
    connect(AdventureArea[Custom], &QRadioButton::toggled, FrameResolution, &QWidget::setVisible);
    connect(txtName, &QLineEdit::textChanged, this, &frmProjectProperties::txtName_Change);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, &frmProjectProperties::Command3_Click);
    RefreshComboBoxes();
    Mnemonics::assign(this);
}

void frmProjectProperties::RefreshComboBoxes()
{
    Combo1->clear();
    Combo1->addItems(ProjectFiles::frames());
    Combo1->setCurrentIndex(-1);
}

void frmProjectProperties::LoadProject()
{
    RefreshComboBoxes();
    // A record cut short fills what it holds, in file order; the rest of the
    // dialog stays as it was.
    ProjectRecord record;
    const int fields = RecordFile::load(ProjectFiles::general(), record).fields;
    qint16 sizeChoice = Size640x480;
    const std::function<void()> show[] = {
        [&] { txtName->setText(record.ProjectName); },
        [&] { txtFileName->setText(record.RecordPath); },
        [&] { txtAdventureName->setText(record.AdventureName); },
        [&] {
            if (record.ScreenSizeChoice >= 0 && record.ScreenSizeChoice <= 3)
                sizeChoice = record.ScreenSizeChoice;
        },
        [&] { Combo1->setCurrentIndex(Combo1->findText(record.StartingFrame, Qt::MatchExactly | Qt::MatchCaseSensitive)); },
        [&] { txtVersion->setText(record.Version); },
        [&] { txtWidth->setText(QString::number(record.ScreenWidth)); },
        [&] { txtHeight->setText(QString::number(record.ScreenHeight)); },
        [&] { txtAuthor->setText(record.AuthorName); },
        [&] { txtEmail->setText(record.AuthorEmail); },
        [&] { txtHomepage->setText(record.AuthorHomepage); },
    };
    for (int i = 0; i < fields; ++i)
        show[i]();

    ProjectRecord& r = ProjectRecord::current();
    r.ProjectName = txtName->text();
    r.RecordPath = txtFileName->text();
    r.AdventureName = txtAdventureName->text();
    r.ScreenSizeChoice = sizeChoice;
    r.StartingFrame = Combo1->currentText();
    r.Version = txtVersion->text();
    r.ScreenWidth = qint16(std::clamp(leadingNumber(txtWidth->text()), 0.0, 32767.0));
    r.ScreenHeight = qint16(std::clamp(leadingNumber(txtHeight->text()), 0.0, 32767.0));
    r.AuthorName = txtAuthor->text();
    r.AuthorEmail = txtEmail->text();
    r.AuthorHomepage = txtHomepage->text();
    AdventureArea[size_t(sizeChoice)]->setChecked(true);
    FrameResolution->setVisible(sizeChoice == Custom);
}

void frmProjectProperties::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmProjectProperties::Form_Activate()
{
    txtName->setText(ProjectRecord::current().ProjectName);
    txtName_Change();
    if (ProcessState::StatusText != CreateNewProject)
        FrameResolution->setVisible(AdventureArea[Custom]->isChecked());
}

void frmProjectProperties::txtName_Change() { txtFileName->setText(ProjectFiles::general()); }

void frmProjectProperties::AdventureArea_Click(int index)
{
    if (index >= 0 && index < 4)
        AdventureArea[size_t(index)]->setChecked(true);
    FrameResolution->setVisible(AdventureArea[Custom]->isChecked());
}

int frmProjectProperties::choice() const
{
    for (int i = 0; i < 4; ++i) {
        if (AdventureArea[size_t(i)]->isChecked())
            return i;
    }
    return Size640x480;
}

bool frmProjectProperties::Command2_Click()
{
    enum { GeneralTab = 0, AuthorTab = 1 };
    if (txtName->text().isEmpty()) {
        MsgBox(QStringLiteral("The project must have a name !"));
        return false;
    }
    if (txtAdventureName->text().isEmpty()) {
        MsgBox(QStringLiteral("You must give a name to your adventure !"));
        return false;
    }
    // The adventure name names the game's program and its installed folder:
    // "." or ".." would name the folder above.
    if (Validate::HasForbiddenCharacters(txtAdventureName->text()) == Validate::No ||
        !FileNames::isPlainName(txtAdventureName->text())) {
        SSTab1->setCurrentIndex(GeneralTab);
        Validate::ShowForbiddenCharactersMessage();
        return false;
    }
    if (Validate::HasQuotationMark(txtAdventureName->text()) || Validate::HasQuotationMark(txtVersion->text())) {
        SSTab1->setCurrentIndex(GeneralTab);
        Validate::ShowQuotationMarkMessage();
        return false;
    }
    if (Validate::HasQuotationMark(txtAuthor->text()) || Validate::HasQuotationMark(txtEmail->text()) ||
        Validate::HasQuotationMark(txtHomepage->text())) {
        SSTab1->setCurrentIndex(AuthorTab);
        Validate::ShowQuotationMarkMessage();
        return false;
    }
    const bool custom = AdventureArea[Custom]->isChecked();
    const double width = leadingNumber(txtWidth->text());
    const double height = leadingNumber(txtHeight->text());
    if (custom && (width > 640 || height > 480) &&
        MsgBox(QStringLiteral("Warning! To remain compatible with most operating systems, the screen size should not be "
                              "bigger than 640*480.\n\nDo you want to continue anyway? (not recommended)"),
               Dialogs::Icon::Exclamation, Dialogs::Buttons::OKCancel, QStringLiteral("Warning!")) == Dialogs::Cancel)
        return false;
    // A size of 0, a negative one, or one larger than the player can show
    // would make a game that cannot start.
    const auto invalid = [](double side) { return side < 1 || side > largestSide; };
    if (custom && (invalid(width) || invalid(height))) {
        MsgBox(QStringLiteral("Please select a valid screen size."), Dialogs::Icon::Information);
        SSTab1->setCurrentIndex(GeneralTab);
        return false;
    }

    if (ProcessState::StatusText == CreateNewProject)
        Editor::CreateProjectFolders();
    Editor2::SaveProjectChecksum();

    const int size = choice();
    const char* fixed[][2] = {{"320", "200"}, {"320", "240"}, {"640", "480"}};
    if (size < Custom) {
        txtWidth->setText(QLatin1String(fixed[size][0]));
        txtHeight->setText(QLatin1String(fixed[size][1]));
    }
    ProjectRecord& r = ProjectRecord::current();
    r.ProjectName = txtName->text();
    r.RecordPath = txtFileName->text();
    r.AdventureName = txtAdventureName->text();
    r.ScreenSizeChoice = qint16(size);
    r.StartingFrame = Combo1->currentText();
    r.Version = txtVersion->text();
    r.ScreenWidth = qint16(std::lround(leadingNumber(txtWidth->text())));
    r.ScreenHeight = qint16(std::lround(leadingNumber(txtHeight->text())));
    r.AuthorName = txtAuthor->text();
    r.AuthorEmail = txtEmail->text();
    r.AuthorHomepage = txtHomepage->text();
    QString error;
    if (!r.save(txtFileName->text(), &error)) {
        MsgBox(QStringLiteral("Unable to save '") + txtFileName->text() + QStringLiteral("'."), Dialogs::Icon::Exclamation);
        return false;
    }
    accept();
    return true;
}

void frmProjectProperties::Command3_Click() { reject(); }

// Cancel, the Escape key and the window's close box all end here.
void frmProjectProperties::reject()
{
    ProcessState::StatusText.clear();
    QDialog::reject();
}
