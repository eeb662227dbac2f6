#pragma once

#include "platform/pictures/GdiObjects.h"

#include <QFont>
#include <QList>
#include <QPen>

// The Qt pens, hatches and fonts that stand for the drawing objects a
// metafile selects, at the scale the current mapping gives them.
namespace GdiStyles {

// Windows draws one-pixel styled lines with these dash lengths in pixels.
QList<qreal> cosmeticDashes(uint32_t style);

Qt::BrushStyle hatchPattern(uint32_t hatch);

// `scale`: picture pixels per logical unit (the mapping's mean scale).
QPen pen(const GdiPen& gdiPen, double scale);

// `scale`: picture pixels per logical unit vertically.
QFont font(const GdiFont& gdiFont, double scale);

}  // namespace GdiStyles
