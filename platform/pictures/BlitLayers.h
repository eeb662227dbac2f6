#pragma once

#include "platform/pictures/GdiObjects.h"

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>

#include <optional>

// The layers a general raster-operation blit combines with the picture:
// the source bitmap and the brush pattern, each painted over the pixels the
// blit covers (their alpha marks those pixels), in a layer of `size` pixels
// whose origin is the covered box's corner.
namespace BlitLayers {

// `source`'s `sourceRect` drawn by `sourceToLayer`, within `clip`.
QImage source(QSize size, const std::optional<QPainterPath>& clip, const QImage& source, const QRectF& sourceRect,
              const QTransform& sourceToLayer);

// `area` filled with the brush (black where a pattern cannot be laid),
// within `clip`.
QImage pattern(QSize size, const std::optional<QPainterPath>& clip, const QPainterPath& area, const GdiBrush& brush);

}  // namespace BlitLayers
