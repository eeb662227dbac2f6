#include "player/FrameRecord.h"

#include "player/records/LinksFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"

FrameRecord& FrameRecord::current()
{
    static FrameRecord record;
    return record;
}

void ResetFrameRecord()
{
    FrameRecord::current() = FrameRecord();
}

bool LoadFrameFile(const QString& name)
{
    FrameRecord& record = FrameRecord::current();
    record.Name = name;
    if (!RecordFile::load(ProjectFiles::frameFile(name), static_cast<FrameFile&>(record)))
        return false;
    ReadLinksCount();
    return true;
}

qint16 ReadLinksCount()
{
    FrameRecord& record = FrameRecord::current();
    LinksFile links;
    record.LinksCount = RecordFile::load(ProjectFiles::linksFile(record.Name), links) ? links.LinksCount : qint16(0);
    return record.LinksCount;
}
