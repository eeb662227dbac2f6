#include "player/records/RecordWriter.h"

#include "player/records/AtomicFile.h"

#include <charconv>
#include <cmath>

namespace {

template <typename T>
QString formatFixed(T value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    // Shortest text that reads back to the same value, never in exponent form.
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, end - buffer);
}

}  // namespace

void RecordWriter::writeLine(const QByteArray& line)
{
    m_data += line;
    m_data += "\r\n";
}

void RecordWriter::writeString(const QString& value)
{
    writeLine('"' + value.toUtf8() + '"');
}

void RecordWriter::writeInteger(qint64 value)
{
    writeLine(QByteArray::number(value));
}

void RecordWriter::writeSingle(float value)
{
    writeLine(formatSingle(value).toLatin1());
}

void RecordWriter::writeDouble(double value)
{
    writeLine(formatDouble(value).toLatin1());
}

void RecordWriter::writeBoolean(bool value)
{
    writeLine(value ? QByteArrayLiteral("#TRUE#") : QByteArrayLiteral("#FALSE#"));
}

void RecordWriter::writeBare(const QString& value)
{
    writeLine(value.toUtf8());
}

QString RecordWriter::formatSingle(float value) { return formatFixed(value); }
QString RecordWriter::formatDouble(double value) { return formatFixed(value); }

bool RecordWriter::commit(const QString& path, QString* error) const
{
    return AtomicFile::write(path, m_data, error);
}
