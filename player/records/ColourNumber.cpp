#include "player/records/ColourNumber.h"

#include "player/records/RecordValue.h"

#include <cmath>
#include <limits>

namespace ColourNumber {

std::optional<QColor> fromText(const QString& text)
{
    // The text as a plain number: an empty text is none.
    const RecordValue value{RecordValue::Kind::Bare, text, false};
    double number = 0;
    if (!value.toNumber(number) || number < std::numeric_limits<qint32>::min()
        || number > std::numeric_limits<qint32>::max())
        return std::nullopt;
    const auto rgb = static_cast<quint32>(static_cast<qint32>(std::nearbyint(number)));
    return QColor(int(rgb & 0xff), int((rgb >> 8) & 0xff), int((rgb >> 16) & 0xff));
}

qint64 fromColour(const QColor& colour)
{
    return qint64(colour.red()) + qint64(colour.green()) * 256 + qint64(colour.blue()) * 65536;
}

QString textOf(const QColor& colour) { return QString::number(fromColour(colour)); }

}  // namespace ColourNumber
