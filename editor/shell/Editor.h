#pragma once

#include <QString>

// Setting up a project's folders and starting files, and the version file
// that says which editor made a project.
namespace Editor {

// The version text of this editor, written into every project it creates.
inline const QString VersionText = QStringLiteral("Version 2.01");

// Creates the folder; any failure (the folder exists already, no right to
// write) is ignored. A folder that exists under another letter case counts as
// existing.
void MakeFolderQuietly(const QString& path);

// For a project whose path values are set: its five folders, the icons that
// ship with the editor, Project.dat, Config/Version and an empty
// Config/Variables. Only Project.dat and the version file report failures;
// the rest goes on regardless.
void CreateProjectFolders();

// Writes Config/Version with VersionText; tells the author when it cannot.
bool WriteVersionFile();

// The version text in `projectFolder` (ending with a separator) +
// "Config/Version", or an empty string when it cannot be read.
QString ReadProjectVersion(const QString& projectFolder);

// Sets the current frame's LinksCount to `count` and writes its links file;
// tells the author when it cannot.
bool WriteLinksFile(qint16 count);

}  // namespace Editor
