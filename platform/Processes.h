#pragma once

#include <QString>

#include <optional>

// Starting outside programs. A command line is the program followed by its
// arguments; parts holding blanks are written in double quotes
// ("\"/opt/My Tools/iscc\" /cc \"game.iss\"").
namespace Processes {

// Starts the program and returns at once. False (with the reason in `error`)
// when it cannot be started.
bool start(const QString& commandLine, QString* error = nullptr);

// Starts the program and waits for it to end, letting the caller's windows
// repaint and take input meanwhile (pending events run at least every 100
// milliseconds). Gives the program's exit code, or nothing (with the reason
// in `error`) when it cannot be started or does not end normally.
std::optional<int> startAndWait(const QString& commandLine, QString* error = nullptr);

}  // namespace Processes
