#include "player/FrameRecord.h"

FrameRecord& FrameRecord::current()
{
    static FrameRecord record;
    return record;
}

void ResetFrameRecord()
{
    FrameRecord::current() = FrameRecord();
}

#include "platform/FileNames.h"
#include "player/ProjectPaths.h"
#include "player/records/RecordReader.h"

bool ReadFrameFile(const QString& path, FrameRecord& r)
{
    RecordReader in;
    return in.open(path) && in.readInt16(r.FrameKind) && in.readString(r.Background) && in.readBoolean(r.Tiled)
        && in.readBoolean(r.StopSounds) && in.readString(r.Soundtrack) && in.readBoolean(r.HasDuration)
        && in.readInt16(r.DurationSeconds) && in.readString(r.DurationTarget) && in.readString(r.Video)
        && in.readBoolean(r.SoundAfterVideo);
}

bool LoadFrameFile(const QString& name)
{
    FrameRecord& record = FrameRecord::current();
    record.Name = name;
    // A frame name becomes part of a path only when it is one plain name.
    const QString file = FileNames::inFolder(ProjectPaths::FramesPath, name + QStringLiteral(".fme"));
    if (!FileNames::isPlainName(name) || !ReadFrameFile(file, record))
        return false;
    ReadLinksCount();
    return true;
}

qint16 ReadLinksCount()
{
    FrameRecord& record = FrameRecord::current();
    record.LinksCount = 0;
    if (!FileNames::isPlainName(record.Name))
        return 0;
    RecordReader in;
    qint16 count = 0;
    if (in.open(ProjectPaths::FramesPath + record.Name + QStringLiteral(".lks")) && in.readInt16(count))
        record.LinksCount = count;
    return record.LinksCount;
}
