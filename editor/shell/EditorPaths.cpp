#include "editor/shell/EditorPaths.h"

void EditorPaths::setProgramPath(const QString& folder)
{
    ProgramPath = folder;
    if (!ProgramPath.endsWith(QLatin1Char('/')))
        ProgramPath += QLatin1Char('/');
}
