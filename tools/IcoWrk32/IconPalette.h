#pragma once

#include <QList>
#include <QRgb>
#include <QString>

// The colours offered beside the picture: the sixteen colours every Windows
// icon of sixteen colours used, by name, so that icons drawn here look at
// home next to old ones. Any other colour is picked from the colour dialog.
namespace IconPalette {

struct Colour {
    QString name;
    QRgb value;
};

const QList<Colour>& standard();

// "Red" for a palette colour, "Transparent" for alpha 0, else "#rrggbb".
QString nameOf(QRgb colour);

}  // namespace IconPalette
