#pragma once

#include "platform/pictures/GdiObjects.h"

#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QTransform>

#include <optional>

// The drawing state a metafile changes record by record: the selected pen,
// brush and font, colours and modes, the mapping from logical units to the
// device, the current position and the clipping area. Saving the state
// copies it whole.
class DeviceContext {
public:
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = Gdi::Opaque;
    int polyFillMode = Gdi::Alternate;
    int rop2 = Gdi::R2CopyPen;
    uint32_t textAlign = 0;
    int textCharExtra = 0;
    bool clockwise = false;  // arc direction (EMF)
    QList<QRgb> palette;

    int mapMode = Gdi::MmText;
    QPointF windowOrg;
    QSizeF windowExt{1, 1};
    QPointF viewportOrg;
    QSizeF viewportExt{1, 1};
    QTransform world;  // EMF world transform, applied before the page mapping
    // How many device units make a millimetre, for the metric map modes.
    double deviceUnitsPerMm = 96 / 25.4;

    QPointF position;  // current position, logical units
    // Clipping area in the pixels of the picture being drawn; none = all.
    std::optional<QPainterPath> clip;

    // Logical units (after the world transform) to device units.
    QTransform pageTransform() const;
    // Logical units to device units.
    QTransform toDevice() const { return world * pageTransform(); }

    // Makes a pen, brush, font or palette current; false for other objects.
    bool select(const GdiObject& object);

    // A COLORREF as records carry it; palette indices look up the palette.
    QColor color(uint32_t colorRef) const;
};
