#pragma once

#include <QString>

struct InstallerOptions;

// The distribution dialog's work that needs no window: checking the system
// files and writing the installer script.
namespace Distribution {

// True when the file exists; otherwise tells the author that it will be left
// out of the installation.
bool IsFile(const QString& path);

// Writes the installer script of the open project into the editor's program
// folder. Without a "system" folder in the Windows folder (the normal case
// here) the script names no system file and nothing is reported about them. False, with the file named in `error`, when it cannot be written.
bool CreateFiles(const InstallerOptions& options, QString* error = nullptr);

}  // namespace Distribution
