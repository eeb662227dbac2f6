#include "editor/shell/windows/frmMenu.h"
#include "editor/shell/JournalAction.h"

#include "editor/shell/windows/AboutBox.h"
#include "editor/shell/AreaFiles.h"
#include "editor/shell/AuthorGuide.h"
#include "editor/shell/Editor.h"
#include "editor/shell/EditorPaths.h"
#include "editor/shell/FrameFiles.h"
#include "editor/shell/Validate.h"
#include "editor/shell/PictureFiles.h"
#include "editor/shell/windows/Mnemonics.h"
#include "editor/shell/windows/WrapButton.h"
#include "editor/shell/windows/frmFrames.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Processes.h"
#include "platform/TextMetrics.h"
#include "platform/WindowsFolder.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ColourNumber.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"
#include "player/Twips.h"
#include "player/windows/PlayerWindows.h"
#include "player/windows/frmWelcome.h"
#include "player/records/FileLayer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

const QString frmMenu::kGraphicFilter = PictureFiles::filter(PictureFiles::Kind::Background);

namespace {

QPointer<frmMenu> g_instance;

const QString kLargeFontsWarning = QStringLiteral(
    "Warning! Your system is set to use large fonts. Quendara will NOT work properly if you don't change this "
    "setting.\n\nTo use small fonts (which is the Windows default), just go to the 'Control Panel' (from the "
    "'Settings' menu of the Start Menu), double-click 'Display', click the 'Settings' tab, click 'Advanced...' and "
    "select 'Small Fonts' under 'Font size'. Click 'OK' and restart your computer.\n\nDo you want to continue anyway? "
    "(not recommended).");

const QString kAddFrameSteps = QStringLiteral("\n\nTo create a new frame, click 'Edit project', and then click 'Add new frame'.");

// A program path as one part of a command line.
QString quoted(const QString& program)
{
    return QLatin1Char('"') + program + QLatin1Char('"');
}

class PanelBuilder {
public:
    explicit PanelBuilder(QWidget* panel)
        : m_panel(panel)
        , m_layout(new QVBoxLayout(panel))
    {
        // The panels lie 120 twips above the client area; the margin keeps
        // their first control clear of the window's top edge.
        m_layout->setContentsMargins(8, Twips::toPixels(-frmMenu::kPanelTop) + 8, 8, 8);
        m_layout->setSpacing(6);
    }

    QPushButton* button(const QString& caption, const char* name)
    {
        auto* b = new WrapButton(caption, m_panel);
        b->setObjectName(QLatin1String(name));
        // Return presses the focused button, as in a dialog.
        b->setAutoDefault(true);
        m_layout->addWidget(b);
        return b;
    }

    QLabel* text(const QString& caption, bool small = true)
    {
        auto* label = new QLabel(caption, m_panel);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (small) {
            QFont f = label->font();
            f.setPointSizeF(f.pointSizeF() * 0.9);
            label->setFont(f);
            QPalette p = label->palette();
            p.setColor(QPalette::WindowText, QColor(0x40, 0x40, 0x40));
            label->setPalette(p);
        }
        m_layout->addWidget(label);
        return label;
    }

    QLabel* heading(const QString& caption)
    {
        auto* label = new QLabel(caption, m_panel);
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        label->setWordWrap(true);
        m_layout->addWidget(label);
        return label;
    }

    void gap(int pixels = 8) { m_layout->addSpacing(pixels); }
    void stretch() { m_layout->addStretch(1); }
    void add(QWidget* widget, int stretch = 0) { m_layout->addWidget(widget, stretch); }

private:
    QWidget* m_panel;
    QVBoxLayout* m_layout;
};

}  // namespace

frmMenu::frmMenu(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMenu"));
    g_instance = this;
    // The window's outer size is given in twips; its client area is what the
    // panels show of themselves below the 120 twips they lie above it.
    setFixedSize(Twips::toPixels(kPanelWidth), Twips::toPixels(kPanelHeight + kPanelTop));
    // A tool window this narrow takes a small type, as tool windows do.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    buildPanels();
    ShowPanel(EditorPanel::Start);
}

frmMenu::~frmMenu() = default;

frmMenu* frmMenu::instance() { return g_instance; }

QWidget* frmMenu::newPanel(EditorPanel which, const QString& tag)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Menu%1").arg(int(which)));
    panel->setGeometry(Twips::toPixels(0, kPanelTop, kPanelWidth, kPanelHeight));
    panel->hide();
    Menu[size_t(which)] = panel;
    m_tags[size_t(which)] = tag;
    return panel;
}

void frmMenu::buildPanels()
{
    {
        PanelBuilder p(newPanel(EditorPanel::Start, QStringLiteral("Quendara")));
        p.heading(QStringLiteral("Welcome to Quendara"));
        p.gap();
        cmdNewProject = p.button(QStringLiteral("New Project"), "cmdNewProject");
        cmdLoadProject = p.button(QStringLiteral("Load Project"), "cmdLoadProject");
        p.gap();
        cmdAbout = p.button(QStringLiteral("About..."), "cmdAbout");
        cmdHelp = p.button(QStringLiteral("Help..."), "cmdHelp");
        p.stretch();
        cmdQuit = p.button(QStringLiteral("Quit"), "cmdQuit");
    }
    {
        // Project, Edit project and Edit frame have computed captions.
        PanelBuilder p(newPanel(EditorPanel::Project, QString()));
        cmdEditProject = p.button(QStringLiteral("Edit project..."), "cmdEditProject");
        cmdRunProject = p.button(QStringLiteral("Run project"), "cmdRunProject");
        cmdCheckGame = p.button(QStringLiteral("Check game..."), "cmdCheckGame");
        p.gap();
        Command12 = p.button(QStringLiteral("Project properties..."), "Command12");
        cmdDrawingTools = p.button(QStringLiteral("Drawing tools..."), "cmdDrawingTools");
        cmdDistribute = p.button(QStringLiteral("Distribute..."), "cmdDistribute");
        p.gap();
        p.text(QStringLiteral("To start creating your adventure game, click \"Edit project...\". When you finish, you "
                              "will be able to see how it looks by clicking \"Run project\"."));
        p.stretch();
        cmdQuitProject = p.button(QStringLiteral("Quit project"), "cmdQuitProject");
    }
    {
        PanelBuilder p(newPanel(EditorPanel::QuitConfirmation, QStringLiteral("Do you really want to quit ?")));
        p.heading(QStringLiteral("Do you really want to close the current project?"));
        p.text(QStringLiteral("(Each time you make changes to your adventure game, your project is automatically "
                              "saved.)"));
        p.gap();
        cmdYesClose = p.button(QStringLiteral("Yes, close"), "cmdYesClose");
        cmdCancelClose = p.button(QStringLiteral("Cancel"), "cmdCancelClose");
        p.stretch();
    }
    {
        PanelBuilder p(newPanel(EditorPanel::EditProject, QString()));
        cmdAddFrame = p.button(QStringLiteral("Add new frame..."), "cmdAddFrame");
        cmdEditSelectedFrame = p.button(QStringLiteral("Edit selected frame..."), "cmdEditSelectedFrame");
        cmdFrameProperties = p.button(QStringLiteral("Change frame properties..."), "cmdFrameProperties");
        cmdRemoveSelectedFrame = p.button(QStringLiteral("Remove selected frame"), "cmdRemoveSelectedFrame");
        p.gap(4);
        p.heading(QStringLiteral("Frames list appearance:"));
        optIcons = new QRadioButton(QStringLiteral("Icons"));
        optIcons->setObjectName(QStringLiteral("optIcons"));
        optIcons->setChecked(true);
        optList = new QRadioButton(QStringLiteral("List"));
        optList->setObjectName(QStringLiteral("optList"));
        auto* options = new QWidget;
        auto* row = new QHBoxLayout(options);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(optIcons);
        row->addWidget(optList);
        row->addStretch();
        p.add(options);
        p.gap(4);
        p.text(QStringLiteral("To edit a frame, double-click the corresponding icon."));
        p.text(QStringLiteral("To remove a frame, select it and press 'Delete'."));
        p.stretch();
        cmdEditProjectBack = p.button(QStringLiteral("Back"), "cmdEditProjectBack");
    }
    {
        PanelBuilder p(newPanel(EditorPanel::EditFrame, QString()));
        cmdObjectsAndEvents = p.button(QStringLiteral("Objects and Events..."), "cmdObjectsAndEvents");
        p.gap(4);
        p.text(QStringLiteral("To create a new clickable area, create a rectangle on the frame background."));
        p.text(QStringLiteral("To remove an area or modify its properties, right-click on it."));
        p.text(QStringLiteral("To choose what should happen when the player uses an object with a clickable area (an "
                              "\"Event\"), click \"Objects and Events...\" and follow the instructions."));
        p.stretch();
        Command10 = p.button(QStringLiteral("Done"), "Command10");
    }
    {
        PanelBuilder p(newPanel(EditorPanel::NewFrameCreation, QStringLiteral("New frame creation")));
        p.heading(QStringLiteral("Choose background:"));
        cmdSolidColour = p.button(QStringLiteral("Solid color..."), "cmdSolidColour");
        cmdGraphicTiled = p.button(QStringLiteral("Graphic file (will be tiled to fit window)..."), "cmdGraphicTiled");
        cmdGraphicResized =
            p.button(QStringLiteral("Graphic file (will be resized to fit window)..."), "cmdGraphicResized");
        p.gap(4);
        p.text(QStringLiteral("To add a frame you can also drag and drop (from the Windows Explorer) a .BMP, .GIF, .JPG, "
                              ".EMF or .WMF file into the list of frames on the right."));
        p.stretch();
        cmdNewFrameCancel = p.button(QStringLiteral("Cancel"), "cmdNewFrameCancel");
    }
    {
        PanelBuilder p(newPanel(EditorPanel::ObjectsAndEvents, QStringLiteral("Objects and Events")));
        cmdShowObjects = p.button(QStringLiteral("Show objects list"), "cmdShowObjects");
        cmdRemoveEvents = p.button(QStringLiteral("Remove events..."), "cmdRemoveEvents");
        p.gap(4);
        p.text(QStringLiteral("To choose what should happen when the player uses an object with a clickable area "
                              "(called an \"Event\"), select the object from the list on the right, and drag it on the "
                              "clickable area."));
        p.text(QStringLiteral("To remove the events you have just created, click \"Remove events...\" (for advanced "
                              "users)."));
        p.stretch();
        cmdObjectsDone = p.button(QStringLiteral("Done"), "cmdObjectsDone");
    }
    {
        PanelBuilder p(newPanel(EditorPanel::ListOfEvents, QStringLiteral("List of events")));
        EventsList = new QListWidget;
        EventsList->setObjectName(QStringLiteral("EventsList"));
        EventsList->setAccessibleName(QStringLiteral("Events"));
        p.add(EventsList, 1);
        cmdRemoveSelectedEvent = p.button(QStringLiteral("Remove selected event"), "cmdRemoveSelectedEvent");
        p.text(QStringLiteral("To remove one of the events you have created, select it and click \"Remove selected\" "
                              "(for advanced users)."));
        cmdEventsDone = p.button(QStringLiteral("Done"), "cmdEventsDone");
    }
    {
        PanelBuilder p(newPanel(EditorPanel::DrawingTools, QStringLiteral("Drawing tools")));
        cmdIconEditor = p.button(QStringLiteral("Icon Editor..."), "cmdIconEditor");
        cmdPaint = p.button(QStringLiteral("MS Paint..."), "cmdPaint");
        p.stretch();
        cmdDrawingCancel = p.button(QStringLiteral("Cancel"), "cmdDrawingCancel");
    }
    {
        PanelBuilder p(newPanel(EditorPanel::Distribution, QStringLiteral("Distribution")));
        cmdCreateInstaller = p.button(QStringLiteral("Create a single full-featured compressed installation file..."),
                                      "cmdCreateInstaller");
        p.gap(4);
        p.text(QStringLiteral("The games you make with Quendara are yours: you may give them away or sell them, on "
                              "any medium."));
        p.text(QStringLiteral("The player that Quendara copies into your game may be distributed with it, unchanged, "
                              "as part of that game only."));
        p.stretch();
        cmdDistributionCancel = p.button(QStringLiteral("Cancel"), "cmdDistributionCancel");
    }
    {
        QWidget* panel = newPanel(EditorPanel::About, QStringLiteral("About"));
        PanelBuilder p(panel);
        About = new AboutBox(Editor::VersionText, panel);
        About->setObjectName(QStringLiteral("About"));
        p.add(About, 1);
        cmdAboutBack = p.button(QStringLiteral("Back"), "cmdAboutBack");
    }
    {
        PanelBuilder p(newPanel(EditorPanel::Help, QStringLiteral("Create Link")));
        p.heading(QStringLiteral("If this is the first time you use Quendara, it is recommended that you follow the "
                                 "tutorials."));
        p.gap(4);
        p.text(QStringLiteral("An adventure game is made of a sequence of frames. Each frame is composed of a "
                              "background (picture, drawing, photo...) and one or more \"clickable areas\" (hotspots), "
                              "that are used to navigate from one frame to another, to pick up objects (to be used on "
                              "other areas), to play sounds and videos, to change variables, etc..."));
        p.gap(4);
        cmdGuide = p.button(QStringLiteral("Open the author's guide..."), "cmdGuide");
        cmdGuide->setAccessibleName(QStringLiteral("Open the author's guide"));
        p.stretch();
        cmdHelpBack = p.button(QStringLiteral("Back"), "cmdHelpBack");
    }

    connect(cmdNewProject, &QPushButton::clicked, this, &frmMenu::cmdNewProject_Click);
    connect(cmdLoadProject, &QPushButton::clicked, this, &frmMenu::cmdLoadProject_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmMenu::cmdAbout_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMenu::cmdHelp_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMenu::cmdQuit_Click);
    connect(cmdEditProject, &QPushButton::clicked, this, &frmMenu::cmdEditProject_Click);
    connect(cmdRunProject, &QPushButton::clicked, this, &frmMenu::cmdRunProject_Click);
    connect(cmdCheckGame, &QPushButton::clicked, this, &frmMenu::cmdCheckGame_Click);
    connect(Command12, &QPushButton::clicked, this, &frmMenu::Command12_Click);
    connect(cmdDrawingTools, &QPushButton::clicked, this, &frmMenu::cmdDrawingTools_Click);
    connect(cmdDistribute, &QPushButton::clicked, this, &frmMenu::cmdDistribute_Click);
    connect(cmdQuitProject, &QPushButton::clicked, this, &frmMenu::cmdQuitProject_Click);
    connect(cmdYesClose, &QPushButton::clicked, this, &frmMenu::cmdYesClose_Click);
    connect(cmdCancelClose, &QPushButton::clicked, this, &frmMenu::cmdCancelClose_Click);
    connect(cmdAddFrame, &QPushButton::clicked, this, &frmMenu::cmdAddFrame_Click);
    connect(cmdEditSelectedFrame, &QPushButton::clicked, this, &frmMenu::cmdEditSelectedFrame_Click);
    connect(cmdFrameProperties, &QPushButton::clicked, this, &frmMenu::cmdFrameProperties_Click);
    connect(cmdRemoveSelectedFrame, &QPushButton::clicked, this, &frmMenu::cmdRemoveSelectedFrame_Click);
    connect(optIcons, &QRadioButton::toggled, this, [this](bool on) { if (on) optIcons_Click(); });
    connect(optList, &QRadioButton::toggled, this, [this](bool on) { if (on) optList_Click(); });
    connect(cmdEditProjectBack, &QPushButton::clicked, this, &frmMenu::cmdEditProjectBack_Click);
    connect(cmdObjectsAndEvents, &QPushButton::clicked, this, &frmMenu::cmdObjectsAndEvents_Click);
    connect(Command10, &QPushButton::clicked, this, &frmMenu::Command10_Click);
    connect(cmdSolidColour, &QPushButton::clicked, this, &frmMenu::cmdSolidColour_Click);
    connect(cmdGraphicTiled, &QPushButton::clicked, this, &frmMenu::cmdGraphicTiled_Click);
    connect(cmdGraphicResized, &QPushButton::clicked, this, &frmMenu::cmdGraphicResized_Click);
    connect(cmdNewFrameCancel, &QPushButton::clicked, this, &frmMenu::cmdNewFrameCancel_Click);
    connect(cmdShowObjects, &QPushButton::clicked, this, &frmMenu::cmdShowObjects_Click);
    connect(cmdRemoveEvents, &QPushButton::clicked, this, &frmMenu::cmdRemoveEvents_Click);
    connect(cmdObjectsDone, &QPushButton::clicked, this, &frmMenu::cmdObjectsDone_Click);
    connect(cmdRemoveSelectedEvent, &QPushButton::clicked, this, &frmMenu::cmdRemoveSelectedEvent_Click);
    connect(cmdEventsDone, &QPushButton::clicked, this, &frmMenu::cmdEventsDone_Click);
    connect(cmdIconEditor, &QPushButton::clicked, this, &frmMenu::cmdIconEditor_Click);
    connect(cmdPaint, &QPushButton::clicked, this, &frmMenu::cmdPaint_Click);
    connect(cmdDrawingCancel, &QPushButton::clicked, this, &frmMenu::cmdBackToProject_Click);
    connect(cmdCreateInstaller, &QPushButton::clicked, this, &frmMenu::cmdCreateInstaller_Click);
    connect(cmdDistributionCancel, &QPushButton::clicked, this, &frmMenu::cmdBackToProject_Click);
    connect(cmdAboutBack, &QPushButton::clicked, this, &frmMenu::cmdBackToStart_Click);
    connect(cmdHelpBack, &QPushButton::clicked, this, &frmMenu::cmdBackToStart_Click);
    connect(cmdGuide, &QPushButton::clicked, this, &frmMenu::cmdGuide_Click);

    // One panel shows at a time: each has its own letters.
    Mnemonics::assign(this, QList<QWidget*>(Menu.begin(), Menu.end()));
}

bool frmMenu::Form_Load(const QString& programFolder)
{
    EditorPaths::setProgramPath(programFolder);
    const std::optional<int> height = TextMetrics::systemFontHeight();
    if (height && *height > 16) {
        const int answer =
            MsgBox(kLargeFontsWarning, Dialogs::Icon::Exclamation, Dialogs::Buttons::OKCancel, QStringLiteral("Warning!"));
        if (answer == Dialogs::Cancel)
            return false;
    }
    m_initialFolder = EditorPaths::ProgramPath;
    move(Twips::toPixels(kLeft), Twips::toPixels(kTop));
    for (QWidget* panel : Menu)
        panel->move(0, Twips::toPixels(kPanelTop));
    ShowPanel(EditorPanel::Start);
    return true;
}

QString frmMenu::caption(EditorPanel which) const
{
    const QString& name = ProjectRecord::current().ProjectName;
    switch (which) {
    case EditorPanel::Project:
        return QStringLiteral("Project '") + name + QStringLiteral("'.");
    case EditorPanel::EditProject:
        return QStringLiteral("Edit project '") + name + QStringLiteral("'.");
    case EditorPanel::EditFrame:
        return QStringLiteral("Edit frame '") + FrameRecord::current().Name + QStringLiteral("'.");
    default:
        return m_tags[size_t(which)];
    }
}

void frmMenu::ShowPanel(EditorPanel which)
{
    for (QWidget* panel : Menu)
        panel->hide();
    m_panel = which;
    setWindowTitle(caption(which));
    Menu[size_t(which)]->show();
    if (isVisible() && !isActiveWindow())
        raise();
    // The keyboard goes on in the new panel, at its first button.
    for (QPushButton* button : Menu[size_t(which)]->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (!button->isHidden() && button->isEnabled()) {
            button->setFocus(Qt::OtherFocusReason);
            break;
        }
    }

    const bool frames = which == EditorPanel::EditProject || which == EditorPanel::NewFrameCreation;
    emit framesWindowRequested(frames);

    const bool editing = which == EditorPanel::EditFrame || which == EditorPanel::ObjectsAndEvents
                         || which == EditorPanel::ListOfEvents;
    emit frameEditorRequested(editing);

    const bool objects = which == EditorPanel::ObjectsAndEvents;
    if (objects)
        RefreshEventsList();
    emit objectsWindowRequested(objects);
}

void frmMenu::cmdNewProject_Click() { emit newProjectRequested(); }

void frmMenu::cmdLoadProject_Click() { emit loadProjectRequested(); }

void frmMenu::cmdQuit_Click() { close(); }

bool frmMenu::hasFrames() const
{
    return !ProjectPaths::FramesPath.isEmpty() && !ProjectFiles::frames().isEmpty();
}

void frmMenu::cmdGuide_Click()
{
    const QString problem = AuthorGuide::open();
    if (!problem.isEmpty())
        MsgBox(problem, Dialogs::Icon::Information);
}

void frmMenu::cmdRunProject_Click() { RunProject(); }

void frmMenu::RunProject(const QString& frame)
{
    if (!hasFrames()) {
        MsgBox(QStringLiteral("To play the game you must create at least one frame.") + kAddFrameSteps,
               Dialogs::Icon::Information);
        return;
    }
    if (Validate::CheckStartFrame() == Validate::No) {
        Command12_Click();
        if (Validate::CheckStartFrame() == Validate::No)
            return;
    }

    ProcessState::StatusText = QStringLiteral("RunningFromEditor");
    // The welcome window finds the game through the project path, which is
    // set; the folder it is given is where a player program would lie.
    auto* welcome = new frmWelcome(ProjectPaths::ProjectPath);
    // The player's coordinator answers the game's windows; closing the
    // welcome window comes back here instead of ending the program.
    auto* playerWindows = new PlayerWindows(*welcome, welcome);
    Q_UNUSED(playerWindows);
    connect(welcome, &frmWelcome::editorReturnRequested, this, [this] {
        show();
        raise();
        activateWindow();
    });
    welcome->Form_Load();
    if (frame.isEmpty() || !welcome->StartAtFrame(frame))
        welcome->show();
    hide();
}

// The dialog is modal: the start frame is checked again once it is closed.
void frmMenu::Command12_Click() { emit projectPropertiesRequested(); }

void frmMenu::cmdDistribute_Click()
{
    if (Validate::CheckStartFrame() == Validate::No)
        return;
    ShowPanel(EditorPanel::Distribution);
}

void frmMenu::cmdCreateInstaller_Click()
{
    if (!hasFrames()) {
        MsgBox(QStringLiteral("To distribute the game you must create at least one frame.") + kAddFrameSteps,
               Dialogs::Icon::Information);
    } else if (Validate::CheckStartFrame() != Validate::No) {
        emit distributionBuilderRequested();
    }
    ShowPanel(EditorPanel::Project);
}

void frmMenu::cmdYesClose_Click()
{
    ClearAllBoxes();
    ShowPanel(EditorPanel::Start);
}

void frmMenu::setFramesList(frmFrames* frames) { m_frames = frames; }

bool frmMenu::framesAsIcons() const { return !optList->isChecked(); }

QString frmMenu::selectedFrame() const { return m_frames ? m_frames->selectedFrame() : QString(); }

void frmMenu::cmdEditSelectedFrame_Click()
{
    const QString frame = selectedFrame();
    if (frame.isEmpty()) {
        MsgBox(QStringLiteral("Please select the frame you want to edit."), Dialogs::Icon::Information);
        return;
    }
    emit editFrameRequested(frame);
}

// With no frame selected the coordinator tells the author.
void frmMenu::cmdFrameProperties_Click() { emit framePropertiesRequested(selectedFrame()); }

void frmMenu::cmdRemoveSelectedFrame_Click()
{
    const QString frame = selectedFrame();
    if (frame.isEmpty()) {
        MsgBox(QStringLiteral("Please select the frame you want to remove."), Dialogs::Icon::Information);
        return;
    }
    emit removeFrameRequested(frame);
}

// A click on either option rebuilds the list, even when the view stays the same.
void frmMenu::optIcons_Click() { emit framesListRequested(true); }

void frmMenu::optList_Click() { emit framesListRequested(false); }

void frmMenu::cmdSolidColour_Click()
{
    const std::optional<QColor> colour = Dialogs::instance().pickColour(Qt::white);
    if (!colour)
        return;
    FrameFiles::CreateFrame(FrameFiles::SolidColour, ColourNumber::textOf(*colour), QString(), false);
    ShowPanel(EditorPanel::EditProject);
}

void frmMenu::createPictureFrame(bool tiled)
{
    const QString file = Dialogs::instance().openFile(QStringLiteral("Open"), m_initialFolder, kGraphicFilter);
    // The next dialog opens where this one was left.
    m_initialFolder = file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
    if (file.isEmpty())
        return;
    FrameFiles::CreateFrame(FrameFiles::Picture, file, FrameFiles::GetFileTitle(file), tiled);
    ShowPanel(EditorPanel::EditProject);
}

void frmMenu::cmdShowObjects_Click() { emit objectsWindowRequested(true); }

void frmMenu::cmdRemoveEvents_Click()
{
    RefreshEventsList();
    ShowPanel(EditorPanel::ListOfEvents);
}

void frmMenu::RefreshEventsList()
{
    EventsList->clear();
    if (!ProjectPaths::AreasPath.isEmpty() && !FrameRecord::current().Name.isEmpty())
        EventsList->addItems(AreaFiles::ListEvents());
}

void frmMenu::ClearAllBoxes() { EventsList->clear(); }

void frmMenu::cmdRemoveSelectedEvent_Click()
{
    QListWidgetItem* item = EventsList->currentItem();
    if (!item || !item->isSelected()) {
        MsgBox(QStringLiteral("Please select the event you want to remove."), Dialogs::Icon::Information);
        return;
    }
    const QString file = ProjectFiles::listedEventFile(FrameRecord::current().Name, item->text());
    JournalAction action(QStringLiteral("remove event '") + item->text() + QLatin1Char('\''));
    if (file.isEmpty() || !FileNames::exists(file) || !FileLayer::remove(FileNames::resolve(file)))
        MsgBox(QStringLiteral("Unable to remove selected event."), Dialogs::Icon::Exclamation);
    RefreshEventsList();
}

void frmMenu::cmdIconEditor_Click()
{
    const QString program = EditorPaths::ProgramPath + QStringLiteral("IcoWrk32.exe");
    if (!Processes::start(quoted(FileNames::resolve(program))))
        MsgBox(QStringLiteral("Sorry, unable to run '") + program + QLatin1Char('\''), Dialogs::Icon::Information);
    ShowPanel(EditorPanel::Project);
}

void frmMenu::cmdPaint_Click()
{
    const QString program = WindowsFolder() + QStringLiteral("/Pbrush.exe");
    if (!Processes::start(quoted(FileNames::resolve(program))))
        MsgBox(QStringLiteral("Sorry, unable to run '") + program + QLatin1Char('\''));
    ShowPanel(EditorPanel::Project);
}

void frmMenu::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit programEndRequested();
}
