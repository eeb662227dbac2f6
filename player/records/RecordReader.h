#pragma once

#include "player/records/RecordValue.h"

#include <QByteArray>
#include <QString>

// Reads the values of a record file in order. Values are separated by line
// ends or commas; blanks around a value are skipped; quotes are removed; a
// quoted string runs to its closing quote. Each read returns false when the
// value is missing (end of file) or cannot become the field's type; the
// caller turns that into its own message and keeps what it read before.
class RecordReader {
public:
    RecordReader() = default;
    explicit RecordReader(const QByteArray& bytes);

    // Reads the whole file (its name resolved without regard to case).
    bool open(const QString& path);

    bool readValue(RecordValue& out);
    bool readString(QString& out);
    bool readInt16(qint16& out);
    bool readInt32(qint32& out);
    bool readSingle(float& out);
    bool readDouble(double& out);
    bool readBoolean(bool& out);

    // A value as a string field reads it: the text, or "#TRUE#"/"#FALSE#"
    // for a Boolean.
    static QString asString(const RecordValue& value);

    // True when no value is left (blanks and line ends do not count).
    bool atEnd() const;

    QString errorString() const { return m_error; }

private:
    bool fail(const QString& error);
    bool readNumber(double& out);
    void setText(QString text);

    QString m_text;
    qsizetype m_pos = 0;
    // Just past the last character that is neither a blank nor a line end:
    // from there on no value is left. Kept so that asking costs nothing, as
    // a file of many blank lines asks once per line.
    qsizetype m_valuesEnd = 0;
    QString m_error;
};
