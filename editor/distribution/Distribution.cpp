#include "editor/distribution/Distribution.h"

#include "editor/distribution/InstallerScript.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/WindowsFolder.h"
#include "player/records/AtomicFile.h"
#include "player/records/ProjectRecord.h"

#include <QFileInfo>

namespace Distribution {

bool IsFile(const QString& path)
{
    if (FileNames::exists(path))
        return true;
    MsgBox(QStringLiteral("Unable to find '") + path +
               QStringLiteral("'.\n\nQuendara will continue creating the installation, but this file will not be "
                              "distributed.\n\nTo get this file, try reinstalling Quendara."),
           Dialogs::Icon::Exclamation);
    return false;
}

bool CreateFiles(const InstallerOptions& options, QString* error)
{
    const ProjectRecord& record = ProjectRecord::current();
    const QString script = InstallerScript::path(record.ProjectName);
    if (script.isEmpty()) {
        if (error)
            *error = record.ProjectName + QStringLiteral(".iss");
        return false;
    }
    const QString systemFolder = WindowsFolder() + QStringLiteral("/system/");
    // The game needs none of the Windows system files on this system; they
    // are looked for, and their absence reported, only where a Windows
    // folder with a system folder is given.
    InstallerOptions chosen = options;
    if (!QFileInfo(FileNames::resolve(systemFolder)).isDir())
        chosen.withoutRuntime = chosen.withoutSystemFiles = true;
    const QByteArray text = InstallerScript::text(record, chosen, systemFolder, IsFile);
    QString reason;
    if (AtomicFile::write(script, text, &reason))
        return true;
    if (error)
        *error = script;
    return false;
}

}  // namespace Distribution
