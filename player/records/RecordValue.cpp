#include "player/records/RecordValue.h"

#include <charconv>
#include <cmath>

namespace {

bool parseDecimal(const QString& text, double& out)
{
    QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty())
        return false;
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    bool negative = false;
    if (*first == '+' || *first == '-') {
        negative = *first == '-';
        ++first;
    }
    // Only plain decimal text counts as a number: no "inf", "nan" or hex.
    if (first == last || !(std::isdigit(static_cast<unsigned char>(*first)) || *first == '.'))
        return false;
    double value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(value))
        return false;
    out = negative ? -value : value;
    return true;
}

}  // namespace

bool RecordValue::toNumber(double& out) const
{
    switch (kind) {
    case Kind::Empty:
        out = 0;
        return true;
    case Kind::Boolean:
        out = boolean ? -1 : 0;
        return true;
    case Kind::Text:
    case Kind::Bare:
        if (kind == Kind::Text && text.trimmed().isEmpty()) {
            out = 0;
            return true;
        }
        return parseDecimal(text, out);
    }
    return false;
}

QString RecordValue::toText() const
{
    if (kind == Kind::Boolean)
        return boolean ? QStringLiteral("True") : QStringLiteral("False");
    return text;
}
