#include "player/ProjectRecord.h"

#include "platform/FileNames.h"
#include "platform/Windows1252.h"
#include "player/AtomicFile.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"
#include "player/RecordReader.h"
#include "player/RecordWriter.h"

#include <QFile>

ProjectRecord& ProjectRecord::current()
{
    static ProjectRecord record;
    return record;
}

bool ProjectRecord::load(const QString& generalPath)
{
    *this = ProjectRecord();
    RecordReader in;
    return in.open(generalPath)
        && in.readString(ProjectName)
        && in.readString(RecordPath)
        && in.readString(AdventureName)
        && in.readInt16(ScreenSizeChoice)
        && in.readString(StartingFrame)
        && in.readString(Version)
        && in.readInt16(ScreenWidth)
        && in.readInt16(ScreenHeight)
        && in.readString(AuthorName)
        && in.readString(AuthorEmail)
        && in.readString(AuthorHomepage);
}

bool ProjectRecord::save(const QString& generalPath, QString* error) const
{
    RecordWriter out;
    out.writeString(ProjectName);
    out.writeString(RecordPath);
    out.writeString(AdventureName);
    out.writeInteger(ScreenSizeChoice);
    out.writeString(StartingFrame);
    out.writeString(Version);
    out.writeDouble(ScreenWidth);
    out.writeDouble(ScreenHeight);
    out.writeString(AuthorName);
    out.writeString(AuthorEmail);
    out.writeString(AuthorHomepage);
    return out.commit(generalPath, error);
}

bool LoadProjectRecord()
{
    ResetFrameRecord();
    return ProjectRecord::current().load(ProjectPaths::ConfigPath + QStringLiteral("General"));
}

qint16 ProjectNameChecksum(const QString& name)
{
    int sum = 0;
    for (const QChar c : name) {
        const int next = sum + Windows1252::code(c);
        if (next >= -32768 && next <= 32767)
            sum = next;
    }
    return static_cast<qint16>(sum);
}

namespace ProjectDat {

namespace {
QString fileIn(const QString& projectPath) { return projectPath + QStringLiteral("Project.dat"); }
}  // namespace

bool write(const QString& projectPath, qint16 checksum, QString* error)
{
    QByteArray line = QByteArray::number(checksum);
    if (checksum >= 0)
        line.prepend(' ');
    line += "\r\n";
    return AtomicFile::write(fileIn(projectPath), line, error);
}

bool read(const QString& projectPath, qint16& checksum)
{
    QFile file(FileNames::resolve(fileIn(projectPath)));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = file.read(256).split('\n').value(0).trimmed();
    bool ok = false;
    const int value = line.toInt(&ok);
    if (!ok || value < -32768 || value > 32767)
        return false;
    checksum = static_cast<qint16>(value);
    return true;
}

}  // namespace ProjectDat
