#include "platform/pictures/MetafilePlayback.h"

#include "platform/pictures/GdiRegions.h"
#include "platform/pictures/GdiShapes.h"

#include <cmath>

namespace {

// Clip art never holds bitmaps this large; a bound keeps a damaged file
// from making every blit allocate hundreds of megabytes.
constexpr int64_t maxBitmapPixels = int64_t(4096) * 4096;

}  // namespace

void MetafilePlayback::moveTo(QPointF to)
{
    dc.position = to;
    canvas.moveTo(dc, to);
}

void MetafilePlayback::lineTo(QPointF to)
{
    QPainterPath path(dc.position);
    path.lineTo(to);
    canvas.continueFigure(dc, path);
    dc.position = to;
}

void MetafilePlayback::setExtent(bool window, QPointF extent)
{
    if (extent.x() != 0 && extent.y() != 0)
        (window ? dc.windowExt : dc.viewportExt) = QSizeF(extent.x(), extent.y());
}

void MetafilePlayback::scaleExtent(bool window, double xNum, double xDen, double yNum, double yDen)
{
    if (xNum == 0 || xDen == 0 || yNum == 0 || yDen == 0)
        return;
    QSizeF& ext = window ? dc.windowExt : dc.viewportExt;
    ext = QSizeF(ext.width() * xNum / xDen, ext.height() * yNum / yDen);
}

void MetafilePlayback::clipRect(const QRectF& logical, bool exclude)
{
    if (exclude)
        canvas.excludeClip(dc, logical);
    else
        canvas.intersectClip(dc, logical);
}

void MetafilePlayback::setPixel(QPointF logical, uint32_t colorRef)
{
    canvas.setPixel(dc, logical, dc.color(colorRef));
}

void MetafilePlayback::floodFill(QPointF logical, uint32_t colorRef, int mode)
{
    canvas.floodFill(dc, logical, dc.color(colorRef), mode);
}

void MetafilePlayback::fillRegion(const std::optional<QPainterPath>& area, const GdiBrush* brush)
{
    if (area && brush)
        canvas.fillArea(dc, *area, *brush);
}

void MetafilePlayback::frameRegion(const std::optional<QPainterPath>& area, const GdiBrush* brush, double width,
                                   double height)
{
    if (!area || !brush)
        return;
    const QTransform m = canvas.mapping(dc);
    const double w = std::abs(width) * std::hypot(m.m11(), m.m12());
    const double h = std::abs(height) * std::hypot(m.m21(), m.m22());
    // However thin in logical units, a frame shows at least one pixel.
    canvas.fillArea(dc, GdiRegions::frame(*area, std::max(1.0, w), std::max(1.0, h), canvas.bounds()), *brush);
}

void MetafilePlayback::invertRegion(const std::optional<QPainterPath>& area)
{
    if (area)
        canvas.invertArea(dc, *area);
}

DibDecoder::Options MetafilePlayback::bitmapOptions(uint32_t usage) const
{
    DibDecoder::Options options;
    options.paletteIndices = usage == Gdi::DibPalColors;
    options.palette = dc.palette;
    options.rleSkipsTransparent = true;
    options.maxPixels = maxBitmapPixels;
    return options;
}
