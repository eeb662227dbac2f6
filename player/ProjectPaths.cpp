#include "player/ProjectPaths.h"

void ProjectPaths::setProjectPath(const QString& projectPath)
{
    ProjectPath = projectPath;
    if (!ProjectPath.endsWith(QLatin1Char('/')))
        ProjectPath += QLatin1Char('/');
    FramesPath = ProjectPath + QStringLiteral("Frames/");
    AreasPath = ProjectPath + QStringLiteral("Areas/");
    IconsPath = ProjectPath + QStringLiteral("Icons/");
    ConfigPath = ProjectPath + QStringLiteral("Config/");
}

void ProjectPaths::locateFromProgramFolder(const QString& programFolder)
{
    QString path = programFolder + QLatin1Char('/');
    // The root folder's path already ends with its separator.
    if (path.endsWith(QStringLiteral("//")))
        path = programFolder;
    setProjectPath(path);
}

void ProjectPaths::clear()
{
    ProjectPath.clear();
    FramesPath.clear();
    AreasPath.clear();
    IconsPath.clear();
    ConfigPath.clear();
}
