#pragma once

#include "platform/pictures/DeviceContext.h"
#include "platform/pictures/DibDecoder.h"
#include "platform/pictures/GdiObjectTable.h"
#include "platform/pictures/MetafileCanvas.h"
#include "platform/pictures/SavedContexts.h"

#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <optional>

// What a playing metafile of either kind changes record by record (the
// device context, its saved copies, the object table and the canvas it
// draws on), and what the records both kinds have in common do once their
// values are read: the two players differ in how records store values, not
// in what the values do.
class MetafilePlayback {
public:
    MetafilePlayback(QImage& image, const QTransform& outer, uint32_t objectCount)
        : objects(objectCount), canvas(image, outer)
    {
    }

    DeviceContext dc;
    SavedContexts saved;
    GdiObjectTable objects;
    MetafileCanvas canvas;

    void moveTo(QPointF to);
    void lineTo(QPointF to);
    // Extents of zero are ignored, as the system refuses them.
    void setExtent(bool window, QPointF extent);
    void scaleExtent(bool window, double xNum, double xDen, double yNum, double yDen);
    void clipRect(const QRectF& logical, bool exclude);
    void setPixel(QPointF logical, uint32_t colorRef);
    void floodFill(QPointF logical, uint32_t colorRef, int mode);

    // Region records; `area` is in picture pixels, none when the record's
    // region could not be had, in which case nothing is drawn.
    void fillRegion(const std::optional<QPainterPath>& area, const GdiBrush* brush);
    // The frame's `width` and `height` are logical units.
    void frameRegion(const std::optional<QPainterPath>& area, const GdiBrush* brush, double width, double height);
    void invertRegion(const std::optional<QPainterPath>& area);

    // How a bitmap of a blit or pattern record is decoded, for its colour
    // usage (DIB_RGB_COLORS or DIB_PAL_COLORS).
    DibDecoder::Options bitmapOptions(uint32_t usage) const;
};
