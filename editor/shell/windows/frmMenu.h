#pragma once

#include "editor/shell/windows/EditorPanel.h"

#include <QWidget>

#include <array>
#include <functional>

class AboutBox;
class frmFrames;
class frmObjects;
class QDialog;
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
    void cmdQuit_Click();
    // Project
    void cmdEditProject_Click() { ShowPanel(EditorPanel::EditProject); }
    void cmdRunProject_Click();
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

    // The windows that stand beside this one and the dialogs it opens. Each
    // is reached through a replaceable function, so that tests, and the
    // windows as they are added, can take their place. A window that is not
    // there does nothing.
    struct Companions {
        // Shows the frames list window beside this one and rebuilds its list
        // (true), or hides it (false).
        std::function<void(bool shown)> framesWindow;
        // Loads and shows the frame editing window unless it is shown (true),
        // or unloads it (false).
        std::function<void(bool shown)> frameEditor;
        // Rebuilds the objects list and shows the objects window (true), or
        // hides it (false).
        std::function<void(bool shown)> objectsWindow;
        // Rebuilds the frames list as icons (true) or as a list (false).
        std::function<void(bool icons)> rebuildFramesList;
        // The frame selected in the frames list; empty when none is.
        std::function<QString()> selectedFrame;
        // Opens a frame for editing, opens its properties, removes it.
        std::function<void(const QString& frame)> editFrame;
        std::function<void(const QString& frame)> frameProperties;
        std::function<void(const QString& frame)> removeFrame;
        // The new-project and load-project dialogs, shown modally.
        std::function<void()> newProject;
        std::function<void()> loadProject;
        // The distribution builder, shown modally.
        std::function<void()> distributionBuilder;
        // Runs a modal dialog; exec() unless replaced.
        std::function<int(QDialog&)> runModal;
        // What closing this window does: ends the program unless replaced.
        std::function<void()> programEnd;
    };
    Companions companions;

    std::array<QWidget*, kPanelCount> Menu{};

    QPushButton* cmdNewProject = nullptr;
    QPushButton* cmdLoadProject = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdEditProject = nullptr;
    QPushButton* cmdRunProject = nullptr;
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

    // The frames list window, made when first needed.
    frmFrames* framesWindow();
    // The objects window, made when first needed.
    frmObjects* objectsWindow();

    // The folder the next file dialog opens in.
    QString initialFolder() const { return m_initialFolder; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanels();
    QWidget* newPanel(EditorPanel which, const QString& tag);
    QString caption(EditorPanel which) const;
    void createPictureFrame(bool tiled);
    // True when the project has at least one frame file.
    bool hasFrames() const;

    std::array<QString, kPanelCount> m_tags;
    EditorPanel m_panel = EditorPanel::Start;
    QString m_initialFolder;
    frmFrames* m_frames = nullptr;
    frmObjects* m_objects = nullptr;
};
