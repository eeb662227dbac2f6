#include "tools/Compil32/TarWriter.h"

#include <cstring>

namespace {

constexpr int Block = 512;

void octal(char* field, int width, qint64 value)
{
    // width - 1 digits and a terminating NUL.
    const QByteArray digits = QByteArray::number(value, 8).rightJustified(width - 1, '0');
    std::memcpy(field, digits.constData(), size_t(width - 1));
    field[width - 1] = '\0';
}

}  // namespace

bool TarWriter::addFolder(const QString& path) { return addEntry(path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/'), '5', {}, 0755); }

bool TarWriter::addFile(const QString& path, const QByteArray& data, int mode) { return addEntry(path, '0', data, mode); }

bool TarWriter::addEntry(const QString& path, char type, const QByteArray& data, int mode)
{
    const QByteArray name = path.toUtf8();
    QByteArray prefix, rest = name;
    if (name.size() > 100) {
        // Split at a separator so that the prefix holds at most 155 bytes and
        // the rest at most 100.
        qsizetype split = name.lastIndexOf('/', 155);
        while (split > 0 && name.size() - split - 1 > 100)
            split = -1;
        if (split <= 0)
            return false;
        prefix = name.left(split);
        rest = name.mid(split + 1);
    }
    if (rest.isEmpty() || rest.size() > 100 || prefix.size() > 155)
        return false;

    char header[Block] = {};
    std::memcpy(header, rest.constData(), size_t(rest.size()));
    octal(header + 100, 8, mode);
    octal(header + 108, 8, 0);
    octal(header + 116, 8, 0);
    octal(header + 124, 12, data.size());
    octal(header + 136, 12, 0);
    header[156] = type;
    std::memcpy(header + 257, "ustar", 6);
    std::memcpy(header + 263, "00", 2);
    std::memcpy(header + 345, prefix.constData(), size_t(prefix.size()));
    std::memset(header + 148, ' ', 8);
    unsigned sum = 0;
    for (unsigned char c : header)
        sum += c;
    octal(header + 148, 7, sum);
    header[155] = ' ';

    m_data.append(header, Block);
    m_data.append(data);
    m_data.append(QByteArray((Block - data.size() % Block) % Block, '\0'));
    return true;
}

QByteArray TarWriter::finish() const { return m_data + QByteArray(2 * Block, '\0'); }
