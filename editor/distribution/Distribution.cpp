#include "editor/distribution/Distribution.h"

#include "editor/distribution/InstallerScript.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/WindowsFolder.h"
#include "player/records/AtomicFile.h"
#include "player/records/ProjectRecord.h"

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
    const QByteArray text = InstallerScript::text(record, options, systemFolder, IsFile);
    QString reason;
    if (AtomicFile::write(script, text, &reason))
        return true;
    if (error)
        *error = script;
    return false;
}

}  // namespace Distribution
