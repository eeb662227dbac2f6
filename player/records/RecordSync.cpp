#include "player/records/RecordSync.h"

#include "player/records/RecordReader.h"
#include "player/records/RecordWriter.h"

#include <limits>

RecordSync::RecordSync(RecordReader& reader) : m_reader(&reader) {}
RecordSync::RecordSync(RecordWriter& writer) : m_writer(&writer) {}

bool RecordSync::step(bool done)
{
    if (!done) {
        m_ok = false;
        return false;
    }
    ++m_fields;
    return true;
}

template <typename T, typename Written>
bool RecordSync::field(T& value, void (RecordWriter::*write)(Written), bool (RecordReader::*read)(T&))
{
    if (!m_ok)
        return false;
    if (m_writer) {
        (m_writer->*write)(value);
        return step(true);
    }
    // Read into a copy: a field that cannot be read keeps its value.
    T got{};
    if (!(m_reader->*read)(got))
        return step(false);
    value = got;
    return step(true);
}

bool RecordSync::string(QString& value) { return field(value, &RecordWriter::writeString, &RecordReader::readString); }
bool RecordSync::int16(qint16& value) { return field(value, &RecordWriter::writeInteger, &RecordReader::readInt16); }
bool RecordSync::int32(qint32& value) { return field(value, &RecordWriter::writeInteger, &RecordReader::readInt32); }
bool RecordSync::single(float& value) { return field(value, &RecordWriter::writeSingle, &RecordReader::readSingle); }
bool RecordSync::boolean(bool& value) { return field(value, &RecordWriter::writeBoolean, &RecordReader::readBoolean); }

bool RecordSync::textOrNumber(QString& value, bool& bare)
{
    if (!m_ok)
        return false;
    if (m_writer) {
        if (bare)
            m_writer->writeBare(value);
        else
            m_writer->writeString(value);
        return step(true);
    }
    RecordValue read;
    if (!m_reader->readValue(read))
        return step(false);
    value = RecordReader::asString(read);
    bare = read.kind == RecordValue::Kind::Bare || read.kind == RecordValue::Kind::Empty;
    return step(true);
}

template <typename Count, typename Item, typename SyncItem>
bool RecordSync::counted(QList<Item>& values, bool (RecordSync::*syncCount)(Count&), SyncItem syncItem)
{
    if (!m_ok)
        return false;
    if (m_writer) {
        Count count = Count(std::min<qsizetype>(values.size(), std::numeric_limits<Count>::max()));
        (this->*syncCount)(count);
        for (Count i = 0; i < count; ++i)
            syncItem(values[i]);
        return true;
    }
    Count count = 0;
    if (!(this->*syncCount)(count))
        return false;
    values.clear();
    // Each item is read before it is kept: a count the file does not back
    // ends at the end of the file, not in a long loop.
    for (Count i = 0; i < count; ++i) {
        Item item{};
        if (!syncItem(item))
            return false;
        values.append(item);
    }
    return true;
}

bool RecordSync::stringList(QStringList& values)
{
    return counted(values, &RecordSync::int16, [this](QString& name) { return string(name); });
}

bool RecordSync::namedValues(QList<QPair<QString, qint16>>& values)
{
    return counted(values, &RecordSync::int32,
                   [this](QPair<QString, qint16>& pair) { return string(pair.first) && int16(pair.second); });
}

bool RecordSync::skip(int count)
{
    for (int i = 0; i < count; ++i) {
        if (!m_ok)
            return false;
        if (m_writer)
            return true;
        RecordValue passed;
        if (!step(m_reader->readValue(passed)))
            return false;
    }
    return m_ok;
}
