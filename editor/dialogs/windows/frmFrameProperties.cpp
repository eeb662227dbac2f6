#include "editor/dialogs/windows/frmFrameProperties.h"

#include "editor/dialogs/windows/TabbedDialogLayout.h"
#include "editor/shell/windows/Mnemonics.h"
#include "editor/dialogs/TextNumber.h"
#include "editor/shell/PictureFiles.h"
#include "editor/shell/windows/SideWindow.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/pictures/Pictures.h"
#include "player/ProjectPaths.h"
#include "player/records/AtomicFile.h"
#include "player/records/ColourNumber.h"
#include "player/records/FrameFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/records/FileLayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>

namespace {

QLabel* note(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// A picked list with its "Browse..." and "Remove" buttons below it.
QWidget* fileGroup(QComboBox* list, QPushButton* browse, QPushButton* remove, QWidget* extra = nullptr)
{
    auto* group = new QWidget;
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(20, 0, 0, 0);
    layout->addWidget(list, 0, 0, 1, 2);
    layout->addWidget(browse, 1, 0);
    layout->addWidget(remove, 1, 1);
    if (extra)
        layout->addWidget(extra, 2, 0, 1, 2);
    return group;
}

// Fills a list with `names`, keeping the chosen entry when it is still there.
void fill(QComboBox* list, const QStringList& names)
{
    const QString chosen = list->currentText();
    list->clear();
    list->addItems(names);
    list->setCurrentIndex(list->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

// The files of the Frames folder that match `patterns`, sorted together.
QStringList framesFolder(const QStringList& patterns) { return FileNames::list(ProjectPaths::FramesPath, patterns); }

void select(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

}  // namespace

// In the file dialog's own form: the patterns inside the brackets, apart.
const QString frmFrameProperties::PictureFilter = PictureFiles::filter(PictureFiles::Kind::Background);
const QString frmFrameProperties::SoundtrackFilter = QStringLiteral("MIDI files (*.mid)");
const QString frmFrameProperties::VideoFilter = QStringLiteral("Video files (*.avi)");

frmFrameProperties::frmFrameProperties(QWidget* mainWindow)
    : QDialog(mainWindow)
{
    setWindowTitle(QStringLiteral("Frame properties"));
    SideWindow::place(this, mainWindow, 5520, 6375);

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    // General
    auto* general = new QWidget;
    auto* generalLayout = new QFormLayout(general);
    txtName = new QLineEdit;
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setReadOnly(true);
    txtPath = new QLineEdit;
    txtPath->setObjectName(QStringLiteral("txtPath"));
    txtPath->setReadOnly(true);
    generalLayout->addRow(QStringLiteral("Frame name :"), txtName);
    generalLayout->addRow(QStringLiteral("Frame location :"), txtPath);
    Option1[1] = new QRadioButton(QStringLiteral("Picture"));
    Option1[1]->setObjectName(QStringLiteral("Option1(1)"));
    Option1[0] = new QRadioButton(QStringLiteral("Solid color"));
    Option1[0]->setObjectName(QStringLiteral("Option1(0)"));
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(Option1[1]);
    kinds->addWidget(Option1[0]);
    generalLayout->addRow(QStringLiteral("Background :"), kinds);
    Combo1 = new QComboBox;
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("Background picture"));
    Check1 = new QCheckBox(QStringLiteral("Tiled"));
    Check1->setObjectName(QStringLiteral("Check1"));
    auto* command17 = new QPushButton(QStringLiteral("Browse..."));
    auto* command16 = new QPushButton(QStringLiteral("Remove"));
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedHeight(90);
    Image1->setAlignment(Qt::AlignCenter);
    auto* pictureExtra = new QWidget;
    auto* pictureExtraLayout = new QVBoxLayout(pictureExtra);
    pictureExtraLayout->setContentsMargins(0, 0, 0, 0);
    pictureExtraLayout->addWidget(Check1);
    pictureExtraLayout->addWidget(Image1);
    Frame1 = fileGroup(Combo1, command17, command16, pictureExtra);
    generalLayout->addRow(Frame1);
    Frame2 = new QWidget;
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* colourLayout = new QHBoxLayout(Frame2);
    colourLayout->setContentsMargins(20, 0, 0, 0);
    Color = new QLabel;
    Color->setObjectName(QStringLiteral("Color"));
    Color->setFixedSize(48, 24);
    Color->setAutoFillBackground(true);
    auto* command1 = new QPushButton(QStringLiteral("Change..."));
    colourLayout->addWidget(Color);
    colourLayout->addWidget(command1);
    colourLayout->addStretch();
    generalLayout->addRow(Frame2);
    SSTab1->addTab(general, QStringLiteral("General"));

    // Timer
    auto* timer = new QWidget;
    auto* timerLayout = new QVBoxLayout(timer);
    Check4 = new QCheckBox(QStringLiteral("Automatically go to another frame after a time has elapsed."));
    Check4->setObjectName(QStringLiteral("Check4"));
    Frame4 = new QWidget;
    Frame4->setObjectName(QStringLiteral("Frame4"));
    auto* frame4Layout = new QVBoxLayout(Frame4);
    frame4Layout->setContentsMargins(20, 0, 0, 0);
    txtSeconds = new QLineEdit;
    txtSeconds->setObjectName(QStringLiteral("txtSeconds"));
    txtSeconds->setAccessibleName(QStringLiteral("Number of seconds"));
    Combo3 = new QComboBox;
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Combo3->setAccessibleName(QStringLiteral("Frame to go to"));
    frame4Layout->addWidget(new QLabel(QStringLiteral("1. Enter the number of seconds:")));
    frame4Layout->addWidget(txtSeconds);
    frame4Layout->addWidget(new QLabel(QStringLiteral("2. Select the frame where you want to go:")));
    frame4Layout->addWidget(Combo3);
    timerLayout->addWidget(Check4);
    timerLayout->addWidget(Frame4);
    timerLayout->addStretch();
    SSTab1->addTab(timer, QStringLiteral("Timer"));

    // Sound and Video
    auto* media = new QWidget;
    auto* mediaLayout = new QVBoxLayout(media);
    Check2 = new QCheckBox(QStringLiteral("Play a sound."));
    Check2->setObjectName(QStringLiteral("Check2"));
    Combo2 = new QComboBox;
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setAccessibleName(QStringLiteral("Sound to play"));
    auto* command5 = new QPushButton(QStringLiteral("Browse..."));
    auto* command4 = new QPushButton(QStringLiteral("Remove"));
    Frame3 = fileGroup(Combo2, command5, command4, note(QStringLiteral("IMPORTANT: Plays only if no other sound is playing.")));
    Check3 = new QCheckBox(QStringLiteral("Stop any playing sound."));
    Check3->setObjectName(QStringLiteral("Check3"));
    CheckVideo = new QCheckBox(QStringLiteral("Play a video before showing the frame."));
    CheckVideo->setObjectName(QStringLiteral("CheckVideo"));
    Combo4 = new QComboBox;
    Combo4->setObjectName(QStringLiteral("Combo4"));
    Combo4->setAccessibleName(QStringLiteral("Video to play"));
    auto* command7 = new QPushButton(QStringLiteral("Browse..."));
    auto* command6 = new QPushButton(QStringLiteral("Remove"));
    FrameVideo = fileGroup(Combo4, command7, command6,
                           note(QStringLiteral("IMPORTANT: It is very recommended that you select \"Stop any playing sound\".")));
    Check5 = new QCheckBox(QStringLiteral("Wait until the end of the video before playing the sound."));
    Check5->setObjectName(QStringLiteral("Check5"));
    for (QWidget* w : std::initializer_list<QWidget*>{Check2, Frame3, Check3, CheckVideo, FrameVideo, Check5})
        mediaLayout->addWidget(w);
    mediaLayout->addStretch();
    SSTab1->addTab(media, QStringLiteral("Sound and Video"));

    const TabbedDialogLayout bottom = TabbedDialogLayout::apply(*this, SSTab1);
    Command2 = bottom.ok;
    Command3 = bottom.cancel;

    // What shows follows the state, however it changed (a click, the
    // keyboard, an assistive tool); ticking a sound or a video also ticks
    // "Stop any playing sound." when the author does it.
    connect(Option1[0], &QRadioButton::toggled, this, &frmFrameProperties::Option1_Click);
    connect(Option1[1], &QRadioButton::toggled, this, &frmFrameProperties::Option1_Click);
    connect(Check2, &QCheckBox::toggled, this, [this] { Frame3->setVisible(Check2->isChecked()); });
    connect(Check2, &QCheckBox::clicked, this, &frmFrameProperties::Check2_Click);
    connect(Check4, &QCheckBox::toggled, this, &frmFrameProperties::Check4_Click);
    connect(CheckVideo, &QCheckBox::toggled, this, [this] { FrameVideo->setVisible(CheckVideo->isChecked()); });
    connect(CheckVideo, &QCheckBox::clicked, this, &frmFrameProperties::CheckVideo_Click);
    connect(Combo1, &QComboBox::activated, this, &frmFrameProperties::Combo1_Click);
    connect(command1, &QPushButton::clicked, this, &frmFrameProperties::Command1_Click);
    connect(command17, &QPushButton::clicked, this, &frmFrameProperties::Command17_Click);
    connect(command5, &QPushButton::clicked, this, &frmFrameProperties::Command5_Click);
    connect(command7, &QPushButton::clicked, this, &frmFrameProperties::Command7_Click);
    connect(command16, &QPushButton::clicked, this, &frmFrameProperties::Command16_Click);
    connect(command4, &QPushButton::clicked, this, &frmFrameProperties::Command4_Click);
    connect(command6, &QPushButton::clicked, this, &frmFrameProperties::Command6_Click);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, &frmFrameProperties::Command3_Click);

    Option1[1]->setChecked(true);
    Frame2->hide();
    Frame3->hide();
    Frame4->hide();
    FrameVideo->hide();
    setColour(Qt::black);
    RefreshComboBoxes();
    Mnemonics::assign(this);
}

void frmFrameProperties::setColour(const QColor& colour)
{
    m_colour = colour;
    QPalette palette = Color->palette();
    palette.setColor(QPalette::Window, colour);
    Color->setPalette(palette);
}

void frmFrameProperties::SetTab() { SSTab1->setCurrentIndex(0); }

void frmFrameProperties::RefreshComboBoxes()
{
    Image1->clear();
    fill(Combo1, framesFolder(PictureFiles::patterns(PictureFiles::Kind::Background)));
    fill(Combo2, framesFolder({QStringLiteral("*.mid")}));
    fill(Combo3, ProjectFiles::frames());
    fill(Combo4, framesFolder({QStringLiteral("*.avi")}));
}

void frmFrameProperties::LoadFrameProperties(const QString& name)
{
    const QString path = ProjectFiles::frameFile(name);
    txtName->setText(name);
    txtPath->setText(path);
    FrameFile frame;
    const RecordRead read = RecordFile::load(path, frame);
    // A file cut short shows what it gave, field by field, in file order.
    const int fields = read.fields;
    const bool solid = frame.FrameKind == 0;
    if (fields >= 1) {
        Option1[solid ? 0 : 1]->setChecked(true);
        Frame1->setVisible(!solid);
        Frame2->setVisible(solid);
    }
    if (fields >= 2) {
        if (!solid) {
            select(Combo1, frame.Background);
            Combo1_Click();
        } else if (const std::optional<QColor> colour = ColourNumber::fromText(frame.Background))
            setColour(*colour);
    }
    if (fields >= 3)
        Check1->setChecked(frame.Tiled);
    if (fields >= 4)
        Check3->setChecked(frame.StopSounds);
    if (fields >= 5) {
        Check2->setChecked(!frame.Soundtrack.isEmpty());
        Frame3->setVisible(!frame.Soundtrack.isEmpty());
        select(Combo2, frame.Soundtrack);
    }
    if (fields >= 6) {
        Check4->setChecked(frame.HasDuration);
        Frame4->setVisible(frame.HasDuration);
    }
    if (fields >= 7)
        txtSeconds->setText(QString::number(frame.DurationSeconds));
    if (fields >= 8)
        select(Combo3, frame.DurationTarget);
    if (fields >= 9) {
        CheckVideo->setChecked(!frame.Video.isEmpty());
        FrameVideo->setVisible(!frame.Video.isEmpty());
        select(Combo4, frame.Video);
    }
    if (read)
        Check5->setChecked(frame.SoundAfterVideo);
    else
        MsgBox(QStringLiteral("Unable to load frame properties."), Dialogs::Icon::Exclamation);
}

void frmFrameProperties::Option1_Click()
{
    const bool picture = Option1[1]->isChecked();
    Frame1->setVisible(picture);
    Frame2->setVisible(!picture);
}

// Choosing a soundtrack or a video usually wants the sounds that play
// stopped; the author may uncheck it again.
void frmFrameProperties::Check2_Click()
{
    Frame3->setVisible(Check2->isChecked());
    if (Check2->isChecked())
        Check3->setChecked(true);
}

void frmFrameProperties::Check4_Click() { Frame4->setVisible(Check4->isChecked()); }

void frmFrameProperties::CheckVideo_Click()
{
    FrameVideo->setVisible(CheckVideo->isChecked());
    if (CheckVideo->isChecked())
        Check3->setChecked(true);
}

void frmFrameProperties::Combo1_Click()
{
    const QString path = FileNames::inFolder(ProjectPaths::FramesPath, Combo1->currentText());
    const QImage picture = path.isEmpty() ? QImage() : Pictures::load(path);
    if (!picture.isNull())
        Image1->setPixmap(QPixmap::fromImage(picture).scaled(Image1->width(), Image1->height(), Qt::KeepAspectRatio,
                                                             Qt::SmoothTransformation));
}

void frmFrameProperties::Command1_Click()
{
    if (const std::optional<QColor> chosen = Dialogs::instance().pickColour(m_colour))
        setColour(*chosen);
}

void frmFrameProperties::browse(QComboBox* list, const QString& filter)
{
    const QString file = Dialogs::instance().openFile(QStringLiteral("Open"), QString(), filter);
    if (file.isEmpty())
        return;
    const QString name = file.mid(std::max(file.lastIndexOf(QLatin1Char('/')), file.lastIndexOf(QLatin1Char('\\'))) + 1);
    QFile source(file);
    const QString copy = FileNames::inFolder(ProjectPaths::FramesPath, name);
    if (!copy.isEmpty() && source.open(QIODevice::ReadOnly))
        AtomicFile::write(copy, source.readAll());
    RefreshComboBoxes();
    select(list, name);
    if (list == Combo1)
        Combo1_Click();
}

void frmFrameProperties::Command17_Click() { browse(Combo1, PictureFilter); }
void frmFrameProperties::Command5_Click() { browse(Combo2, SoundtrackFilter); }
void frmFrameProperties::Command7_Click() { browse(Combo4, VideoFilter); }

void frmFrameProperties::remove(QComboBox* list, bool clearPreview)
{
    const QString name = list->currentText();
    if (list->currentIndex() < 0 || name.isEmpty())
        return;
    const QString shown = ProjectPaths::FramesPath + name;
    if (MsgBox(QStringLiteral("Do you really want to remove '") + shown + QStringLiteral("' ?"), Dialogs::Icon::Question,
               Dialogs::Buttons::YesNo) != Dialogs::Yes)
        return;
    const QString path = FileNames::inFolder(ProjectPaths::FramesPath, name);
    if (path.isEmpty() || !FileLayer::remove(FileNames::resolve(path))) {
        MsgBox(QStringLiteral("Unable to remove '") + shown + QStringLiteral("'."), Dialogs::Icon::Exclamation);
        RefreshComboBoxes();
        return;
    }
    if (clearPreview)
        Image1->clear();
    RefreshComboBoxes();
    list->setCurrentIndex(-1);
}

void frmFrameProperties::Command16_Click() { remove(Combo1, true); }
void frmFrameProperties::Command4_Click() { remove(Combo2, false); }
void frmFrameProperties::Command6_Click() { remove(Combo4, false); }

bool frmFrameProperties::Command2_Click()
{
    if (Option1[1]->isChecked() && Combo1->currentText().isEmpty()) {
        MsgBox(QStringLiteral("Please select a valid picture."), Dialogs::Icon::Information);
        return false;
    }
    // The duration is written whatever the timer's box says, so a number the
    // game cannot read back would leave the frame unreadable even unchecked.
    const bool timerIncomplete =
        Check4->isChecked() && (Combo3->currentText().isEmpty() || leadingNumber(txtSeconds->text()) == 0);
    if (timerIncomplete || !leadingInt16(txtSeconds->text())) {
        SSTab1->setCurrentIndex(1);
        MsgBox(QStringLiteral("Please enter a valid duration and select a valid frame."), Dialogs::Icon::Information);
        return false;
    }
    if (CheckVideo->isChecked() && Combo4->currentText().isEmpty()) {
        SSTab1->setCurrentIndex(2);
        MsgBox(QStringLiteral("Please select a valid video file."), Dialogs::Icon::Information);
        return false;
    }
    SaveFrameProperties(txtName->text());
    accept();
    return true;
}

void frmFrameProperties::Command3_Click() { reject(); }

bool frmFrameProperties::SaveFrameProperties(const QString& name)
{
    const bool solid = Option1[0]->isChecked();
    FrameFile frame;
    frame.FrameKind = solid ? 0 : 1;
    // The colour goes as a plain number, a picture's name in quotes.
    frame.Background = solid ? ColourNumber::textOf(m_colour) : Combo1->currentText();
    frame.BackgroundBare = solid;
    frame.Tiled = !solid && Check1->isChecked();
    frame.StopSounds = Check3->isChecked();
    frame.Soundtrack = Check2->isChecked() ? Combo2->currentText() : QString();
    frame.HasDuration = Check4->isChecked();
    // OK refuses a number that does not fit; called without its checks, the
    // nearest that does is written.
    const std::optional<qint16> seconds = leadingInt16(txtSeconds->text());
    if (seconds)
        frame.DurationSeconds = *seconds;
    else
        frame.DurationSeconds = leadingNumber(txtSeconds->text()) < 0 ? std::numeric_limits<qint16>::min()
                                                                      : std::numeric_limits<qint16>::max();
    frame.DurationTarget = Combo3->currentText();
    frame.Video = CheckVideo->isChecked() ? Combo4->currentText() : QString();
    frame.SoundAfterVideo = Check5->isChecked();
    const QString path = ProjectFiles::frameFile(name);
    if (!path.isEmpty() && RecordFile::save(path, frame))
        return true;
    MsgBox(QStringLiteral("Unable to save frame information."), Dialogs::Icon::Exclamation);
    return false;
}
