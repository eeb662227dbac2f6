#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QByteArray;
class RecordReader;
class RecordWriter;

// One walk over a record file's fields that either reads them or writes them,
// so that each file's layout is described once, by a `sync` function of its
// record type, and serves both directions.
//
// Reading stops at the first value that is missing or cannot become the
// field's type: that field and every later one keep what they held, and
// `fields()` tells how many fields were read, which is what the player's
// rules for files cut short go by. Writing never fails; the file is written
// by the caller (`RecordFile::save`).
class RecordSync {
public:
    explicit RecordSync(RecordReader& reader);
    explicit RecordSync(RecordWriter& writer);

    bool reading() const { return m_reader != nullptr; }
    // Fields read (or written) so far.
    int fields() const { return m_fields; }
    // False once a field could not be read.
    bool ok() const { return m_ok; }

    // Each returns false when reading has failed at this field or before.
    bool string(QString& value);
    bool int16(qint16& value);
    bool int32(qint32& value);
    bool single(float& value);
    bool boolean(bool& value);
    // A field written either as a plain number or as a quoted string (a frame
    // file's background): `bare` tells which, so the value goes back as it came.
    bool textOrNumber(QString& value, bool& bare);
    // A 16-bit count followed by that many strings. Names are kept as they
    // are read, so a count the file does not back leaves the names before the
    // end; at most 32767 names are written.
    bool stringList(QStringList& values);

    // A 32-bit count followed by that many (string, 16-bit number) pairs, as
    // a saved game holds its variables and disappeared areas. Pairs are kept
    // as they are read.
    bool namedValues(QList<QPair<QString, qint16>>& values);

    // Reading: passes over one value, whatever it holds, as one field.
    // Writing: nothing; a record that skips values is only ever read.
    bool skip(int count = 1);

private:
    bool step(bool done);
    template <typename Count, typename Item, typename SyncItem>
    bool counted(QList<Item>& values, bool (RecordSync::*syncCount)(Count&), SyncItem syncItem);
    template <typename T, typename Written>
    bool field(T& value, void (RecordWriter::*write)(Written), bool (RecordReader::*read)(T&));

    RecordReader* m_reader = nullptr;
    RecordWriter* m_writer = nullptr;
    int m_fields = 0;
    bool m_ok = true;
};

// What reading a record file gave: whether the file could be opened, how many
// fields were read, and whether they were all there.
struct RecordRead {
    bool opened = false;
    int fields = 0;
    bool complete = false;

    explicit operator bool() const { return complete; }
};

namespace RecordFile {

// Reads `path` into `record` by its sync function. Fields after the first
// that cannot be read keep their values.
template <typename Record>
RecordRead load(const QString& path, Record& record);

// Parses bytes the same way (fuzz targets and tests).
template <typename Record>
RecordRead parse(const QByteArray& bytes, Record& record);

// The record's bytes as the writer lays them out.
template <typename Record>
QByteArray bytes(const Record& record);

// Writes the record atomically to `path`.
template <typename Record>
bool save(const QString& path, const Record& record, QString* error = nullptr);

}  // namespace RecordFile

#include "player/records/RecordFile.inl"
