#include "platform/pictures/DeviceContext.h"

#include <cmath>

namespace {

double ratio(double num, double den)
{
    return den == 0 ? 1.0 : num / den;
}

}  // namespace

QTransform DeviceContext::pageTransform() const
{
    double sx = 1;
    double sy = 1;
    switch (mapMode) {
    case Gdi::MmLoMetric:
        sx = deviceUnitsPerMm * 0.1, sy = -sx;
        break;
    case Gdi::MmHiMetric:
        sx = deviceUnitsPerMm * 0.01, sy = -sx;
        break;
    case Gdi::MmLoEnglish:
        sx = deviceUnitsPerMm * 0.254, sy = -sx;
        break;
    case Gdi::MmHiEnglish:
        sx = deviceUnitsPerMm * 0.0254, sy = -sx;
        break;
    case Gdi::MmTwips:
        sx = deviceUnitsPerMm * 25.4 / 1440, sy = -sx;
        break;
    case Gdi::MmIsotropic: {
        sx = ratio(viewportExt.width(), windowExt.width());
        sy = ratio(viewportExt.height(), windowExt.height());
        // The system shrinks one viewport extent so that a unit is as long
        // on both axes; the signs keep each axis's direction.
        const double m = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
        break;
    }
    case Gdi::MmAnisotropic:
        sx = ratio(viewportExt.width(), windowExt.width());
        sy = ratio(viewportExt.height(), windowExt.height());
        break;
    default:
        break;
    }
    return QTransform(sx, 0, 0, sy, viewportOrg.x() - windowOrg.x() * sx, viewportOrg.y() - windowOrg.y() * sy);
}

QColor DeviceContext::color(uint32_t colorRef) const
{
    if ((colorRef >> 24) == 1) {
        const uint32_t index = colorRef & 0xffff;
        return index < uint32_t(palette.size()) ? QColor(palette[index]) : QColor(Qt::black);
    }
    return QColor(int(colorRef & 0xff), int((colorRef >> 8) & 0xff), int((colorRef >> 16) & 0xff));
}

bool DeviceContext::select(const GdiObject& object)
{
    if (const auto* p = std::get_if<GdiPen>(&object))
        pen = *p;
    else if (const auto* b = std::get_if<GdiBrush>(&object))
        brush = *b;
    else if (const auto* f = std::get_if<GdiFont>(&object))
        font = *f;
    else if (const auto* pal = std::get_if<GdiPalette>(&object))
        palette = pal->colors;
    else
        return false;
    return true;
}
