#pragma once

#include "editor/shell/windows/EditorPanel.h"

#include <QPointer>
#include <QWidget>

#include <array>

class AboutBox;
class frmFrames;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The editor's start-up window: a narrow tool window whose client area shows
// one of a stack of panels. The panel is the editor's mode, and every other
// editor window is shown, hidden or closed from here as the panel changes.
// Closing this window ends the editor.
class frmMenu : public QWidget {
    Q_OBJECT

public:
    // Geometry in twips: the window, and the panels laid on top of each other.
    static constexpr int kLeft = 200;
    static constexpr int kTop = 800;
    static constexpr int kWidth = 2775;
    static constexpr int kHeight = 5520;
    static constexpr int kPanelWidth = 2655;
    static constexpr int kPanelHeight = 5355;
    static constexpr int kPanelTop = -120;
    static constexpr int kPanelCount = int(EditorPanel::Help) + 1;

    // The pictures a new frame may be made from, as the file dialog filters them.
    static const QString kGraphicFilter;

    explicit frmMenu(QWidget* parent = nullptr);
    ~frmMenu() override;

    // The window of this process, while it exists.
    static frmMenu* instance();

    // Start-up: program folder, large-fonts check, position, Start panel.
    // False when the author chose not to go on with large fonts: the editor
    // ends.
    bool Form_Load(const QString& programFolder);

    // The only way to change the visible panel.
    void ShowPanel(EditorPanel panel);
    EditorPanel currentPanel() const { return m_panel; }
    QWidget* panel(EditorPanel which) const { return Menu[size_t(which)]; }

    // Start
    void cmdNewProject_Click();
    void cmdLoadProject_Click();
    void cmdAbout_Click() { ShowPanel(EditorPanel::About); }
    void cmdHelp_Click() { ShowPanel(EditorPanel::Help); }
    void cmdGuide_Click();
    void cmdQuit_Click();
    // Project
    void cmdEditProject_Click() { ShowPanel(EditorPanel::EditProject); }
    void cmdRunProject_Click();
    void cmdCheckGame_Click() { emit gameCheckRequested(); }
    // Plays the project in this process from its welcome window, or, when
    // `frame` is given, from that frame with the game's start values.
    void RunProject(const QString& frame = QString());
    void Command12_Click();  // "Project properties..."
    void cmdDrawingTools_Click() { ShowPanel(EditorPanel::DrawingTools); }
    void cmdDistribute_Click();
    void cmdQuitProject_Click() { ShowPanel(EditorPanel::QuitConfirmation); }
    // Quit confirmation
    void cmdYesClose_Click();
    void cmdCancelClose_Click() { ShowPanel(EditorPanel::Project); }
    // Edit project
    void cmdAddFrame_Click() { ShowPanel(EditorPanel::NewFrameCreation); }
    void cmdEditSelectedFrame_Click();
    void cmdFrameProperties_Click();
    void cmdRemoveSelectedFrame_Click();
    void optIcons_Click();
    void optList_Click();
    void cmdEditProjectBack_Click() { ShowPanel(EditorPanel::Project); }
    // Edit frame; "Done" is also how the frame editing window hands back.
    void cmdObjectsAndEvents_Click() { ShowPanel(EditorPanel::ObjectsAndEvents); }
    void Command10_Click() { ShowPanel(EditorPanel::EditProject); }
    // New frame creation
    void cmdSolidColour_Click();
    void cmdGraphicTiled_Click() { createPictureFrame(true); }
    void cmdGraphicResized_Click() { createPictureFrame(false); }
    void cmdNewFrameCancel_Click() { ShowPanel(EditorPanel::EditProject); }
    // Objects and Events
    void cmdShowObjects_Click();
    void cmdRemoveEvents_Click();
    void cmdObjectsDone_Click() { ShowPanel(EditorPanel::EditFrame); }
    // List of events
    void cmdRemoveSelectedEvent_Click();
    void cmdEventsDone_Click() { ShowPanel(EditorPanel::ObjectsAndEvents); }
    // Drawing tools
    void cmdIconEditor_Click();
    void cmdPaint_Click();
    // Distribution
    void cmdCreateInstaller_Click();
    // About, Help, Drawing tools, Distribution
    void cmdBackToStart_Click() { ShowPanel(EditorPanel::Start); }
    void cmdBackToProject_Click() { ShowPanel(EditorPanel::Project); }

    void ClearAllBoxes();
    // Fills EventsList with the events of the frame being edited.
    void RefreshEventsList();

    // The frames list whose selection the frame buttons act on; set by the
    // coordinator that makes the list.
    void setFramesList(frmFrames* frames);
    // How the frames list is to be shown: as icons, or as a list.
    bool framesAsIcons() const;

    std::array<QWidget*, kPanelCount> Menu{};

    QPushButton* cmdNewProject = nullptr;
    QPushButton* cmdLoadProject = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdGuide = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdEditProject = nullptr;
    QPushButton* cmdRunProject = nullptr;
    QPushButton* cmdCheckGame = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* cmdDrawingTools = nullptr;
    QPushButton* cmdDistribute = nullptr;
    QPushButton* cmdQuitProject = nullptr;
    QPushButton* cmdYesClose = nullptr;
    QPushButton* cmdCancelClose = nullptr;
    QPushButton* cmdAddFrame = nullptr;
    QPushButton* cmdEditSelectedFrame = nullptr;
    QPushButton* cmdFrameProperties = nullptr;
    QPushButton* cmdRemoveSelectedFrame = nullptr;
    QRadioButton* optIcons = nullptr;
    QRadioButton* optList = nullptr;
    QPushButton* cmdEditProjectBack = nullptr;
    QPushButton* cmdObjectsAndEvents = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* cmdSolidColour = nullptr;
    QPushButton* cmdGraphicTiled = nullptr;
    QPushButton* cmdGraphicResized = nullptr;
    QPushButton* cmdNewFrameCancel = nullptr;
    QPushButton* cmdShowObjects = nullptr;
    QPushButton* cmdRemoveEvents = nullptr;
    QPushButton* cmdObjectsDone = nullptr;
    QListWidget* EventsList = nullptr;
    QPushButton* cmdRemoveSelectedEvent = nullptr;
    QPushButton* cmdEventsDone = nullptr;
    QPushButton* cmdIconEditor = nullptr;
    QPushButton* cmdPaint = nullptr;
    QPushButton* cmdDrawingCancel = nullptr;
    QPushButton* cmdCreateInstaller = nullptr;
    QPushButton* cmdDistributionCancel = nullptr;
    AboutBox* About = nullptr;
    QPushButton* cmdAboutBack = nullptr;
    QPushButton* cmdHelpBack = nullptr;

    // The folder the next file dialog opens in.
    QString initialFolder() const { return m_initialFolder; }

signals:
    // What this window asks of the windows beside it and of the dialogs it
    // opens; the editor's coordinator answers. The frames list shown beside
    // it (true) or hidden; the frame editing window loaded and shown unless
    // it is (true) or unloaded; the objects list rebuilt and shown (true) or
    // hidden.
    void framesWindowRequested(bool shown);
    void frameEditorRequested(bool shown);
    void objectsWindowRequested(bool shown);
    // The frames list rebuilt, as icons (true) or as a list.
    void framesListRequested(bool icons);
    // The selected frame opened for editing, shown in its properties, or
    // removed.
    void editFrameRequested(const QString& frame);
    void framePropertiesRequested(const QString& frame);
    void removeFrameRequested(const QString& frame);
    // Modal dialogs, opened beside this window.
    void newProjectRequested();
    void loadProjectRequested();
    void projectPropertiesRequested();
    void distributionBuilderRequested();
    void gameCheckRequested();
    // This window was closed: the editor ends.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanels();
    QWidget* newPanel(EditorPanel which, const QString& tag);
    QString caption(EditorPanel which) const;
    void createPictureFrame(bool tiled);
    // True when the project has at least one frame file.
    bool hasFrames() const;
    // The frame selected in the frames list; empty when none is.
    QString selectedFrame() const;

    std::array<QString, kPanelCount> m_tags;
    EditorPanel m_panel = EditorPanel::Start;
    QString m_initialFolder;
    QPointer<frmFrames> m_frames;
};
