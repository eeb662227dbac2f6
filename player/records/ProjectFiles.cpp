#include "player/records/ProjectFiles.h"

#include "platform/FileNames.h"
#include "player/ProjectPaths.h"

namespace ProjectFiles {

namespace {

const QString kFrame = QStringLiteral(".fme");
const QString kLinks = QStringLiteral(".lks");
const QString kEvent = QStringLiteral(".drg");
const QString kObject = QStringLiteral(".obj");

QString partSuffix(AreaPart part)
{
    // In the order of AreaPart.
    static const char* const suffixes[] = {"a.dat", "b.dat", "c.dat"};
    return QLatin1String(suffixes[int(part)]);
}

QStringList listed(const QString& folder, const QString& pattern)
{
    QStringList names;
    for (const QString& file : FileNames::list(folder, pattern)) {
        // A file named only by its extension is not listed.
        if (file.size() > 4)
            names << withoutExtension(file);
    }
    return names;
}

}  // namespace

QString general() { return ProjectPaths::ConfigPath + QStringLiteral("General"); }
QString version() { return ProjectPaths::ConfigPath + QStringLiteral("Version"); }
QString variables() { return ProjectPaths::ConfigPath + QStringLiteral("Variables"); }
QString projectDat() { return ProjectPaths::ProjectPath + QStringLiteral("Project.dat"); }

QString frameFile(const QString& frame)
{
    return FileNames::isPlainName(frame) ? ProjectPaths::FramesPath + frame + kFrame : QString();
}

QString linksFile(const QString& frame)
{
    return FileNames::isPlainName(frame) ? ProjectPaths::FramesPath + frame + kLinks : QString();
}

QString areaFolder(const QString& frame)
{
    return FileNames::isPlainName(frame) ? ProjectPaths::AreasPath + frame + QLatin1Char('/') : QString();
}

QString areaFileName(int n, AreaPart part) { return QString::number(n) + partSuffix(part); }

QString areaFile(const QString& frame, int n, AreaPart part)
{
    const QString folder = areaFolder(frame);
    return folder.isEmpty() ? QString() : folder + areaFileName(n, part);
}

QString eventFileName(int n, const QString& object) { return QString::number(n) + QLatin1Char('_') + object + kEvent; }

QString eventFile(const QString& frame, int n, const QString& object)
{
    const QString folder = areaFolder(frame);
    // "1_" + object must stay one name: the object name is checked on its own.
    if (folder.isEmpty() || !FileNames::isPlainName(object))
        return {};
    return folder + eventFileName(n, object);
}

QString listedEventFile(const QString& frame, const QString& listed)
{
    const QString folder = areaFolder(frame);
    return folder.isEmpty() ? QString() : FileNames::inFolder(folder, listed + kEvent);
}

QString objectFile(const QString& object)
{
    return FileNames::isPlainName(object) ? ProjectPaths::AreasPath + object + kObject : QString();
}

QString inFrames(const QString& file) { return FileNames::inFolder(ProjectPaths::FramesPath, file); }
QString inAreas(const QString& file) { return FileNames::inFolder(ProjectPaths::AreasPath, file); }
QString inIcons(const QString& file) { return FileNames::inFolder(ProjectPaths::IconsPath, file); }

QStringList frames() { return listed(ProjectPaths::FramesPath, QLatin1Char('*') + kFrame); }
QStringList objects() { return listed(ProjectPaths::AreasPath, QLatin1Char('*') + kObject); }

QStringList events(const QString& frame)
{
    const QString folder = areaFolder(frame);
    return folder.isEmpty() ? QStringList() : listed(folder, QLatin1Char('*') + kEvent);
}

QStringList areaFilePatterns(int n)
{
    return {areaFileName(n, AreaPart::Placement), areaFileName(n, AreaPart::Action),
            areaFileName(n, AreaPart::Pickable), QString::number(n) + QStringLiteral("_*") + kEvent};
}

QStringList eventFilesOf(const QString& frame, int n)
{
    const QString folder = areaFolder(frame);
    if (folder.isEmpty())
        return {};
    const QString prefix = QString::number(n) + QLatin1Char('_');
    QStringList objects;
    for (const QString& file : FileNames::list(folder, prefix + QLatin1Char('*') + kEvent))
        objects << file.mid(prefix.size(), file.size() - prefix.size() - kEvent.size());
    return objects;
}

QString withoutExtension(const QString& file) { return file.left(file.size() - 4); }

}  // namespace ProjectFiles
