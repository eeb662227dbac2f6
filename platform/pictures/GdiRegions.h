#pragma once

#include <QPainterPath>
#include <QRectF>

#include <optional>

// Areas in picture pixels as regions and clips use them: combining two by
// a region mode (RGN_AND ... RGN_COPY) and the border FrameRgn draws.
namespace GdiRegions {

// `base` combined with `other` by `mode`; none stands for the whole
// picture `full` (an unclipped device context). Copy gives `other` as it
// is. Areas too complex to combine, and unknown modes, leave `base`.
std::optional<QPainterPath> combine(const std::optional<QPainterPath>& base, const std::optional<QPainterPath>& other,
                                    int mode, const QPainterPath& full);

// The band inside the edge of `area` that is `width` pixels wide on its
// left and right sides and `height` pixels high on its top and bottom.
// Regions are sets of axis-aligned rectangles: the area is taken on the
// pixel grid. Only the part near `picture` (the picture's bounds) is
// worked out. Empty for an empty or too complex area.
QPainterPath frame(const QPainterPath& area, double width, double height, const QRectF& picture);

}  // namespace GdiRegions
