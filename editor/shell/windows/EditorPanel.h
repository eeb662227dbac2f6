#pragma once

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
