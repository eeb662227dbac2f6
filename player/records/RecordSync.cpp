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

bool RecordSync::stringList(QStringList& values)
{
    if (!m_ok)
        return false;
    if (m_writer) {
        const qsizetype count = std::min<qsizetype>(values.size(), std::numeric_limits<qint16>::max());
        qint16 written = qint16(count);
        int16(written);
        for (qsizetype i = 0; i < count; ++i)
            string(values[i]);
        return true;
    }
    qint16 count = 0;
    if (!int16(count))
        return false;
    values.clear();
    // Each name is read before it is kept: a count the file does not back
    // ends at the end of the file, not in a long loop.
    for (qint16 i = 0; i < count; ++i) {
        QString name;
        if (!string(name))
            return false;
        values << name;
    }
    return true;
}

bool RecordSync::namedValues(QList<QPair<QString, qint16>>& values)
{
    if (!m_ok)
        return false;
    if (m_writer) {
        qint32 count = qint32(std::min<qsizetype>(values.size(), std::numeric_limits<qint32>::max()));
        int32(count);
        for (qint32 i = 0; i < count; ++i) {
            string(values[i].first);
            int16(values[i].second);
        }
        return true;
    }
    qint32 count = 0;
    if (!int32(count))
        return false;
    values.clear();
    for (qint32 i = 0; i < count; ++i) {
        QString name;
        qint16 value = 0;
        if (!string(name) || !int16(value))
            return false;
        values.append({name, value});
    }
    return true;
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
