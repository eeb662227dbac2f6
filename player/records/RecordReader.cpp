#include "player/records/RecordReader.h"

#include "platform/FileNames.h"
#include "platform/Windows1252.h"

#include <QFile>

#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Rounds as the format's own conversion does: halves go to the even neighbour.
bool toWhole(double value, double low, double high, qint64& out)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= low && rounded <= high))
        return false;
    out = static_cast<qint64>(rounded);
    return true;
}

}  // namespace

RecordReader::RecordReader(const QByteArray& bytes)
{
    setText(Windows1252::decodeText(bytes));
}

void RecordReader::setText(QString text)
{
    m_text = std::move(text);
    m_pos = 0;
    m_valuesEnd = m_text.size();
    while (m_valuesEnd > 0 && (isBlank(m_text.at(m_valuesEnd - 1)) || isLineEnd(m_text.at(m_valuesEnd - 1))))
        --m_valuesEnd;
}

bool RecordReader::open(const QString& path)
{
    setText(QString());
    m_error.clear();
    if (path.isEmpty())
        return fail(QStringLiteral("no file name"));
    QFile file(FileNames::resolve(path));
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // Record files are a few hundred bytes; a file past this size is not one
    // of ours and is not read into memory.
    constexpr qint64 kMaxSize = 16 * 1024 * 1024;
    if (file.size() > kMaxSize)
        return fail(QStringLiteral("file too large"));
    setText(Windows1252::decodeText(file.readAll()));
    return true;
}

bool RecordReader::fail(const QString& error)
{
    m_error = error;
    return false;
}

bool RecordReader::atEnd() const
{
    return m_pos >= m_valuesEnd;
}

bool RecordReader::readValue(RecordValue& out)
{
    // Only blanks and line ends remain: the value is missing.
    if (atEnd())
        return fail(QStringLiteral("end of file"));
    const qsizetype n = m_text.size();
    qsizetype p = m_pos;
    while (p < n && isBlank(m_text[p]))
        ++p;

    RecordValue value;
    const QChar first = m_text[p];
    if (first == QLatin1Char('"')) {
        const qsizetype close = m_text.indexOf(QLatin1Char('"'), p + 1);
        const qsizetype end = close < 0 ? n : close;
        value.kind = RecordValue::Kind::Text;
        value.text = m_text.mid(p + 1, end - p - 1);
        p = close < 0 ? n : close + 1;
        // Anything between the closing quote and the separator is ignored.
        while (p < n && m_text[p] != QLatin1Char(',') && !isLineEnd(m_text[p]))
            ++p;
    } else {
        qsizetype end = p;
        while (end < n && m_text[end] != QLatin1Char(',') && !isLineEnd(m_text[end]))
            ++end;
        QString word = m_text.mid(p, end - p);
        while (!word.isEmpty() && isBlank(word.back()))
            word.chop(1);
        p = end;
        if (word.isEmpty()) {
            value.kind = RecordValue::Kind::Empty;
        } else if (word.compare(QLatin1String("#TRUE#"), Qt::CaseInsensitive) == 0) {
            value.kind = RecordValue::Kind::Boolean;
            value.boolean = true;
        } else if (word.compare(QLatin1String("#FALSE#"), Qt::CaseInsensitive) == 0) {
            value.kind = RecordValue::Kind::Boolean;
            value.boolean = false;
        } else {
            value.kind = RecordValue::Kind::Bare;
            value.text = word;
        }
    }

    // Consume one separator: a comma, or one line end (CR LF, CR or LF).
    if (p < n) {
        if (m_text[p] == QLatin1Char(',')) {
            ++p;
        } else if (m_text[p] == QLatin1Char('\r')) {
            ++p;
            if (p < n && m_text[p] == QLatin1Char('\n'))
                ++p;
        } else if (m_text[p] == QLatin1Char('\n')) {
            ++p;
        }
    }
    m_pos = p;
    out = value;
    return true;
}

QString RecordReader::asString(const RecordValue& value)
{
    if (value.kind == RecordValue::Kind::Boolean)
        return value.boolean ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
    return value.text;
}

bool RecordReader::readString(QString& out)
{
    RecordValue value;
    if (!readValue(value))
        return false;
    out = asString(value);
    return true;
}

bool RecordReader::readNumber(double& out)
{
    RecordValue value;
    if (!readValue(value))
        return false;
    if (!value.toNumber(out))
        return fail(QStringLiteral("not a number: ") + value.text);
    return true;
}

bool RecordReader::readInt16(qint16& out)
{
    double number = 0;
    if (!readNumber(number))
        return false;
    qint64 whole = 0;
    if (!toWhole(number, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max(), whole))
        return fail(QStringLiteral("overflow"));
    out = static_cast<qint16>(whole);
    return true;
}

bool RecordReader::readInt32(qint32& out)
{
    double number = 0;
    if (!readNumber(number))
        return false;
    qint64 whole = 0;
    if (!toWhole(number, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), whole))
        return fail(QStringLiteral("overflow"));
    out = static_cast<qint32>(whole);
    return true;
}

bool RecordReader::readSingle(float& out)
{
    double number = 0;
    if (!readNumber(number))
        return false;
    if (std::fabs(number) > std::numeric_limits<float>::max())
        return fail(QStringLiteral("overflow"));
    out = static_cast<float>(number);
    return true;
}

bool RecordReader::readDouble(double& out)
{
    return readNumber(out);
}

bool RecordReader::readBoolean(bool& out)
{
    RecordValue value;
    if (!readValue(value))
        return false;
    if (value.kind == RecordValue::Kind::Boolean) {
        out = value.boolean;
        return true;
    }
    // A number stands for a Boolean as in the format's own conversion: 0 is
    // False, anything else True; the words True and False are accepted too.
    const QString word = value.text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        out = true;
        return true;
    }
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        out = false;
        return true;
    }
    double number = 0;
    if (!value.toNumber(number))
        return fail(QStringLiteral("not a Boolean: ") + value.text);
    out = number != 0;
    return true;
}
