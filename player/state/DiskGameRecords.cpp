#include "player/state/DiskGameRecords.h"

#include "player/records/ProjectFiles.h"

namespace {

template <typename Record>
LoadedRecord<Record> loaded(const QString& path)
{
    LoadedRecord<Record> result;
    result.read = RecordFile::load(path, result.record);
    return result;
}

using ProjectFiles::AreaPart;

}  // namespace

LoadedRecord<FrameFile> DiskGameRecords::frame(const QString& frame)
{
    return loaded<FrameFile>(ProjectFiles::frameFile(frame));
}

LoadedRecord<LinksFile> DiskGameRecords::links(const QString& frame)
{
    return loaded<LinksFile>(ProjectFiles::linksFile(frame));
}

LoadedRecord<AreaPlacement> DiskGameRecords::placement(const QString& frame, int n)
{
    return loaded<AreaPlacement>(ProjectFiles::areaFile(frame, n, AreaPart::Placement));
}

LoadedRecord<AreaPlacement> DiskGameRecords::condition(const QString& frame, int n)
{
    const LoadedRecord<AreaCondition> read = loaded<AreaCondition>(ProjectFiles::areaFile(frame, n, AreaPart::Placement));
    return {read.record.area, read.read};
}

LoadedRecord<ActionRecord> DiskGameRecords::action(const QString& frame, int n)
{
    return loaded<ActionRecord>(ProjectFiles::areaFile(frame, n, AreaPart::Action));
}

LoadedRecord<ActionRecord> DiskGameRecords::event(const QString& frame, int n, const QString& object)
{
    return loaded<ActionRecord>(ProjectFiles::eventFile(frame, n, object));
}

LoadedRecord<PickableRecord> DiskGameRecords::pickable(const QString& frame, int n)
{
    return loaded<PickableRecord>(ProjectFiles::areaFile(frame, n, AreaPart::Pickable));
}

LoadedRecord<ObjectFile> DiskGameRecords::object(const QString& object)
{
    return loaded<ObjectFile>(ProjectFiles::objectFile(object));
}

LoadedRecord<VariablesFile> DiskGameRecords::variables() { return loaded<VariablesFile>(ProjectFiles::variables()); }

DiskGameRecords& DiskGameRecords::instance()
{
    static DiskGameRecords records;
    return records;
}
