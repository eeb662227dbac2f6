#pragma once

#include <QString>

// Strings by which windows pass a mode or a selection to one another.
struct ProcessState {
    // "RunningFromEditor" while the editor runs a game in its own process;
    // empty when the player program runs on its own.
    static inline QString StatusText;
    // The object dropped on an area while its event is being edited in the
    // editor; empty otherwise.
    static inline QString EventObjectName;

    static bool runningFromEditor() { return StatusText == QLatin1String("RunningFromEditor"); }
};
