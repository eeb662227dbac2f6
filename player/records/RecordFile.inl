#pragma once

// Template bodies of RecordFile (see RecordSync.h).

#include "player/records/RecordReader.h"
#include "player/records/RecordWriter.h"

namespace RecordFile {

namespace detail {
template <typename Record>
RecordRead readFrom(RecordReader& in, bool opened, Record& record)
{
    RecordRead result;
    result.opened = opened;
    if (!opened)
        return result;
    RecordSync sync(in);
    record.sync(sync);
    result.fields = sync.fields();
    result.complete = sync.ok();
    return result;
}
}  // namespace detail

template <typename Record>
RecordRead load(const QString& path, Record& record)
{
    RecordReader in;
    const bool opened = in.open(path);
    return detail::readFrom(in, opened, record);
}

template <typename Record>
RecordRead parse(const QByteArray& bytes, Record& record)
{
    RecordReader in(bytes);
    return detail::readFrom(in, true, record);
}

template <typename Record>
QByteArray bytes(const Record& record)
{
    RecordWriter out;
    RecordSync sync(out);
    // Writing only reads the record's fields; sync takes them by reference
    // for the reading direction.
    const_cast<Record&>(record).sync(sync);
    return out.data();
}

template <typename Record>
bool save(const QString& path, const Record& record, QString* error)
{
    RecordWriter out;
    RecordSync sync(out);
    const_cast<Record&>(record).sync(sync);
    return out.commit(path, error);
}

}  // namespace RecordFile
