#include "editor/shell/Editor.h"

#include "editor/shell/Editor2.h"
#include "editor/shell/EditorPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/records/AtomicFile.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"
#include "player/records/RecordReader.h"
#include "player/records/RecordWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Editor {

void MakeFolderQuietly(const QString& path)
{
    const QString resolved = FileNames::resolve(path);
    if (!QFileInfo(resolved).isDir())
        QDir().mkdir(resolved);
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
    RecordWriter variables;
    variables.writeInteger(0);
    variables.commit(ProjectPaths::ConfigPath + QStringLiteral("Variables"));
}

bool WriteVersionFile()
{
    RecordWriter out;
    out.writeString(VersionText);
    if (out.commit(ProjectPaths::ConfigPath + QStringLiteral("Version")))
        return true;
    MsgBox(QStringLiteral("Sorry, unable to access project files. The project folder may be Read-Only."),
           Dialogs::Icon::Exclamation, Dialogs::Buttons::OK, QStringLiteral("Error"));
    return false;
}

bool WriteLinksFile(qint16 count)
{
    FrameRecord& frame = FrameRecord::current();
    frame.LinksCount = count;
    RecordWriter out;
    out.writeInteger(count);
    const QString path = FileNames::inFolder(ProjectPaths::FramesPath, frame.Name + QStringLiteral(".lks"));
    if (!path.isEmpty() && out.commit(path))
        return true;
    MsgBox(QStringLiteral("Sorry, unable to access project files. The project folder may be Read-Only."),
           Dialogs::Icon::Exclamation, Dialogs::Buttons::OK, QStringLiteral("Error"));
    return false;
}

QString ReadProjectVersion(const QString& projectFolder)
{
    RecordReader in;
    QString version;
    if (!in.open(projectFolder + QStringLiteral("Config/Version")) || !in.readString(version))
        return QString();
    return version;
}

}  // namespace Editor
