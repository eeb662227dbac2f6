#include "editor/dialogs/TextNumber.h"

#include <cmath>
#include <limits>

double leadingNumber(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype end = 0;
    if (end < t.size() && (t[end] == QLatin1Char('-') || t[end] == QLatin1Char('+')))
        ++end;
    bool point = false;
    while (end < t.size() && (t[end].isDigit() || (t[end] == QLatin1Char('.') && !point))) {
        point = point || t[end] == QLatin1Char('.');
        ++end;
    }
    bool ok = false;
    const double value = t.left(end).toDouble(&ok);
    return ok ? value : 0;
}

std::optional<qint16> leadingInt16(const QString& text)
{
    // nearbyint rounds in the default mode, to nearest with halves to even,
    // as record files are read.
    const double rounded = std::nearbyint(leadingNumber(text));
    if (!(rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return qint16(rounded);
}
