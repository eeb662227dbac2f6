#pragma once

#include <QByteArray>
#include <QString>

// Writes a record file: one value per line, CR LF line ends, strings in
// double quotes, Booleans as #TRUE#/#FALSE#, numbers in plain decimal with a
// point. Text is written as UTF-8. `commit` writes the file atomically.
class RecordWriter {
public:
    void writeString(const QString& value);
    void writeInteger(qint64 value);
    void writeSingle(float value);
    void writeDouble(double value);
    void writeBoolean(bool value);
    // Text written as it stands, without quotes: a number kept as text.
    void writeBare(const QString& value);

    const QByteArray& data() const { return m_data; }

    // Replaces the file at `path` (its name resolved without regard to case)
    // only once the new content is complete.
    bool commit(const QString& path, QString* error = nullptr) const;

    static QString formatSingle(float value);
    static QString formatDouble(double value);

private:
    void writeLine(const QByteArray& line);

    QByteArray m_data;
};
