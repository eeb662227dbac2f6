#include "tools/IcoWrk32/IconPalette.h"

#include <QColor>

namespace IconPalette {

const QList<Colour>& standard()
{
    static const QList<Colour> colours = {
        {QStringLiteral("Black"), qRgb(0, 0, 0)},         {QStringLiteral("Maroon"), qRgb(128, 0, 0)},
        {QStringLiteral("Green"), qRgb(0, 128, 0)},       {QStringLiteral("Olive"), qRgb(128, 128, 0)},
        {QStringLiteral("Navy"), qRgb(0, 0, 128)},        {QStringLiteral("Purple"), qRgb(128, 0, 128)},
        {QStringLiteral("Teal"), qRgb(0, 128, 128)},      {QStringLiteral("Silver"), qRgb(192, 192, 192)},
        {QStringLiteral("Grey"), qRgb(128, 128, 128)},    {QStringLiteral("Red"), qRgb(255, 0, 0)},
        {QStringLiteral("Lime"), qRgb(0, 255, 0)},        {QStringLiteral("Yellow"), qRgb(255, 255, 0)},
        {QStringLiteral("Blue"), qRgb(0, 0, 255)},        {QStringLiteral("Fuchsia"), qRgb(255, 0, 255)},
        {QStringLiteral("Aqua"), qRgb(0, 255, 255)},      {QStringLiteral("White"), qRgb(255, 255, 255)},
    };
    return colours;
}

QString nameOf(QRgb colour)
{
    if (qAlpha(colour) == 0)
        return QStringLiteral("Transparent");
    for (const Colour& c : standard())
        if (c.value == colour)
            return c.name;
    return QColor::fromRgba(colour).name(QColor::HexRgb);
}

}  // namespace IconPalette
