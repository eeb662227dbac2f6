#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

struct ProjectRecord;

// The choices of the distribution dialog that shape the installer script.
struct InstallerOptions {
    bool withoutRuntime = false;      // "Do not distribute MSVBVM50.DLL (688KB)."
    bool withoutSystemFiles = false;  // "Do not distribute the other system files (386KB)."
    bool letAnyoneEdit = false;       // "Let anyone edit your game with Quendara."
    QString colour = QStringLiteral("Green");
};

// The script from which the installer compiler builds a game's installer:
// the game folder with its four sub-folders and one per frame with areas,
// the project's files, the shared system files, and a start-menu entry for
// the game's program. Sources are relative to the project folder.
namespace InstallerScript {

// The installer background colours, in the order the dialog offers them.
const QStringList& colours();

// The system files in the order the script names them; the first is the one
// the "without runtime" choice leaves out, the others go with the second choice.
const QStringList& systemFiles();

// True when `folder` holds at least one file matching `pattern` ("*.*" when
// empty); sub-folders do not count, and a folder that cannot be read holds
// none.
bool AnyFile(const QString& folder, const QString& pattern = QString());

// The sub-folders of the project's Areas folder, in listing order.
QStringList areaFolders();

// The script's text for the project whose path values are set. `isFile` is
// asked about each system file the options include; a file it denies is left
// out. `systemFolder` ends with a separator.
QByteArray text(const ProjectRecord& record, const InstallerOptions& options, const QString& systemFolder,
                const std::function<bool(const QString&)>& isFile);

// Where the script of `projectName` is written: the editor's program folder.
QString path(const QString& projectName);

}  // namespace InstallerScript
