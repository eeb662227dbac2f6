#include "editor/shell/Editor.h"

#include "editor/shell/Editor2.h"
#include "editor/shell/EditorPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"
#include "player/records/AtomicFile.h"
#include "player/records/LinksFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/records/VariablesFile.h"
#include "player/records/VersionFile.h"
#include "player/records/FileLayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Editor {

void MakeFolderQuietly(const QString& path)
{
    const QString resolved = FileNames::resolve(path);
    if (!QFileInfo(resolved).isDir())
        FileLayer::makeFolder(resolved);
}

namespace {

void copyShippedIcons()
{
    const QString from = FileNames::resolve(EditorPaths::ProgramPath + QStringLiteral("Icons")) + QLatin1Char('/');
    QStringList names = FileNames::list(from, QStringLiteral("*.ico"));
    names += FileNames::list(from, QStringLiteral("*.cur"));
    for (const QString& name : names) {
        QFile source(from + name);
        if (source.open(QIODevice::ReadOnly))
            AtomicFile::write(ProjectPaths::IconsPath + name, source.readAll());
    }
}

}  // namespace

void CreateProjectFolders()
{
    MakeFolderQuietly(ProjectPaths::ProjectPath);
    MakeFolderQuietly(ProjectPaths::FramesPath);
    MakeFolderQuietly(ProjectPaths::AreasPath);
    MakeFolderQuietly(ProjectPaths::IconsPath);
    MakeFolderQuietly(ProjectPaths::ConfigPath);
    copyShippedIcons();
    Editor2::SaveProjectChecksum();
    WriteVersionFile();
    RecordFile::save(ProjectFiles::variables(), VariablesFile{});
}

bool WriteVersionFile()
{
    if (RecordFile::save(ProjectFiles::version(), VersionFile{VersionText}))
        return true;
    MsgBox(QStringLiteral("Sorry, unable to access project files. The project folder may be Read-Only."),
           Dialogs::Icon::Exclamation, Dialogs::Buttons::OK, QStringLiteral("Error"));
    return false;
}

bool WriteLinksFile(qint16 count)
{
    FrameRecord& frame = FrameRecord::current();
    frame.LinksCount = count;
    const QString path = ProjectFiles::linksFile(frame.Name);
    if (!path.isEmpty() && RecordFile::save(path, LinksFile{count}))
        return true;
    MsgBox(QStringLiteral("Sorry, unable to access project files. The project folder may be Read-Only."),
           Dialogs::Icon::Exclamation, Dialogs::Buttons::OK, QStringLiteral("Error"));
    return false;
}

QString ReadProjectVersion(const QString& projectFolder)
{
    // Another project than the open one: its folder is given, not taken from
    // the project paths.
    VersionFile version;
    if (!RecordFile::load(projectFolder + QStringLiteral("Config/Version"), version))
        return QString();
    return version.Version;
}

}  // namespace Editor
