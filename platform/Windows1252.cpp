#include "platform/Windows1252.h"

#include <QStringDecoder>

namespace Windows1252 {

namespace {

// Codes 0x80..0x9F; 0 marks the five codes the code page leaves undefined,
// which decode to the C1 control of the same value.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

QString decode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0 && kHighTable[b - 0x80] != 0)
            text.append(QChar(kHighTable[b - 0x80]));
        else
            text.append(QChar(static_cast<char16_t>(b)));
    }
    return text;
}

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    return decode(bytes);
}

int code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] == u)
            return 0x80 + i;
    }
    if (u >= 0x80 && u < 0xA0)
        return u;  // the undefined codes round-trip as themselves
    return '?';
}

}  // namespace Windows1252
