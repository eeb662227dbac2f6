#include "player/records/ProjectRecord.h"

#include "platform/FileNames.h"
#include "platform/Windows1252.h"
#include "player/records/AtomicFile.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"

#include <QFile>

ProjectRecord& ProjectRecord::current()
{
    static ProjectRecord record;
    return record;
}

void ProjectRecord::sync(RecordSync& s)
{
    s.string(ProjectName);
    s.string(RecordPath);
    s.string(AdventureName);
    s.int16(ScreenSizeChoice);
    s.string(StartingFrame);
    s.string(Version);
    s.int16(ScreenWidth);
    s.int16(ScreenHeight);
    s.string(AuthorName);
    s.string(AuthorEmail);
    s.string(AuthorHomepage);
}

bool ProjectRecord::load(const QString& generalPath)
{
    *this = ProjectRecord();
    return bool(RecordFile::load(generalPath, *this));
}

bool ProjectRecord::save(const QString& generalPath, QString* error) const
{
    return RecordFile::save(generalPath, *this, error);
}

bool LoadProjectRecord()
{
    ResetFrameRecord();
    return ProjectRecord::current().load(ProjectFiles::general());
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
