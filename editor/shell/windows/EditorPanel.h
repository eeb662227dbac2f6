#pragma once

#include <functional>

// The panels of the editor's main window; exactly one is shown at a time and
// it is the editor's mode.
enum class EditorPanel {
    Start,
    Project,
    QuitConfirmation,
    EditProject,
    EditFrame,
    NewFrameCreation,
    ObjectsAndEvents,
    ListOfEvents,
    DrawingTools,
    Distribution,
    About,
    Help,
};

// How a window beside the main window asks it to show a panel.
using ShowPanelRequest = std::function<void(EditorPanel)>;
