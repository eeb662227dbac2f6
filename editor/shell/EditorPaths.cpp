#include "editor/shell/EditorPaths.h"

#include "platform/FileNames.h"

#include <QFileInfo>

void EditorPaths::setProgramPath(const QString& folder)
{
    ProgramPath = folder;
    if (!ProgramPath.endsWith(QLatin1Char('/')))
        ProgramPath += QLatin1Char('/');
}

QString EditorPaths::projectsFolder()
{
    const QString folder = FileNames::resolve(ProgramPath + QStringLiteral("Projects"));
    return QFileInfo(folder).isDir() ? folder : QString();
}
