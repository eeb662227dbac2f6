#include "platform/pictures/BlitLayers.h"

#include "platform/pictures/GdiStyles.h"

#include <QPainter>

namespace BlitLayers {

namespace {

QImage clearLayer(QSize size)
{
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

}  // namespace

QImage source(QSize size, const std::optional<QPainterPath>& clip, const QImage& source, const QRectF& sourceRect,
              const QTransform& sourceToLayer)
{
    QImage layer = clearLayer(size);
    QPainter p(&layer);
    if (clip)
        p.setClipPath(*clip);
    p.setTransform(sourceToLayer);
    p.drawImage(sourceRect.topLeft(), source, sourceRect);
    return layer;
}

QImage pattern(QSize size, const std::optional<QPainterPath>& clip, const QPainterPath& area, const GdiBrush& brush)
{
    QImage layer = clearLayer(size);
    QPainter p(&layer);
    if (clip)
        p.setClipPath(*clip);
    p.fillPath(area, Qt::black);
    if (brush.style == Gdi::BsSolid)
        p.fillPath(area, brush.color);
    else if (brush.style == Gdi::BsHatched)
        p.fillPath(area, QBrush(brush.color, GdiStyles::hatchPattern(brush.hatch)));
    else if (!brush.pattern.isNull() && !brush.monochrome)
        p.fillPath(area, QBrush(brush.pattern));
    return layer;
}

}  // namespace BlitLayers
