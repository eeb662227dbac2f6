#include "platform/pictures/GdiRegions.h"

#include "platform/pictures/GdiConstants.h"

#include <QRegion>

#include <cmath>

namespace GdiRegions {

namespace {

// Combining outlines costs more the more they hold; a file that keeps
// cutting the clip into pieces would otherwise take minutes. No drawing
// program made clips anywhere near this.
constexpr int maxClipElements = 20000;
// Rectangles of a framed region; far more than any drawing program made.
constexpr int maxFrameRects = 4000;

}  // namespace

std::optional<QPainterPath> combine(const std::optional<QPainterPath>& base, const std::optional<QPainterPath>& other,
                                    int mode, const QPainterPath& full)
{
    if (mode == Gdi::RgnCopy)
        return other;
    const QPainterPath a = base.value_or(full);
    const QPainterPath b = other.value_or(full);
    if (a.elementCount() + b.elementCount() > maxClipElements)
        return base;
    switch (mode) {
    case Gdi::RgnAnd:
        return a.intersected(b);
    case Gdi::RgnOr:
        return a.united(b);
    case Gdi::RgnXor:
        return a.united(b).subtracted(a.intersected(b));
    case Gdi::RgnDiff:
        return a.subtracted(b);
    default:
        return base;
    }
}

QPainterPath frame(const QPainterPath& area, double width, double height, const QRectF& picture)
{
    if (area.elementCount() > maxClipElements || !std::isfinite(width) || !std::isfinite(height))
        return {};
    const QList<QPolygonF> parts = area.toSubpathPolygons();
    if (parts.size() > maxFrameRects)
        return {};
    // Regions are rectangles. Far outside the picture they are cut short:
    // no frame reaches from there into the picture.
    const double reachX = picture.width() + 1;
    const double reachY = picture.height() + 1;
    const QRectF limit = picture.adjusted(-2 * reachX, -2 * reachY, 2 * reachX, 2 * reachY);
    QRegion region;
    for (const QPolygonF& part : parts) {
        const QRectF r = part.boundingRect().intersected(limit);
        if (r.isEmpty())
            continue;
        const QRegion piece(QRect(QPoint(qRound(r.left()), qRound(r.top())),
                                  QPoint(qRound(r.right()) - 1, qRound(r.bottom()) - 1)));
        region = area.fillRule() == Qt::WindingFill ? region.united(piece) : region.xored(piece);
    }
    if (region.isEmpty() || region.rectCount() > maxFrameRects)
        return {};
    const QRect box = region.boundingRect();
    const int w = int(std::lround(std::min({std::abs(width), double(box.width()), reachX})));
    const int h = int(std::lround(std::min({std::abs(height), double(box.height()), reachY})));
    // What stays of the region when every pixel within the frame's reach
    // of the outside is taken away; the frame is the rest.
    const QRegion outside = QRegion(box.adjusted(-w - 1, -h - 1, w + 1, h + 1)).subtracted(region);
    if (outside.rectCount() > maxFrameRects)
        return {};
    QRegion reach;
    for (const QRect& r : outside)
        reach += r.adjusted(-w, -h, w, h);
    QPainterPath result;
    result.addRegion(region.subtracted(region.subtracted(reach)));
    return result;
}

}  // namespace GdiRegions
