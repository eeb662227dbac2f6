#include "platform/pictures/GdiShapes.h"

#include <cmath>
#include <numbers>

namespace GdiShapes {

namespace {

// Qt's angle of the point where the ray from the centre through `p` meets
// the ellipse: degrees counterclockwise from three o'clock, y pointing down.
double angleOf(const QRectF& box, QPointF p)
{
    const QPointF c = box.center();
    const double rx = box.width() / 2;
    const double ry = box.height() / 2;
    if (rx == 0 || ry == 0)
        return 0;
    return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180 / std::numbers::pi;
}

}  // namespace

QRectF box(double left, double top, double right, double bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

QPainterPath arc(const QRectF& box, QPointF start, QPointF end, bool counterclockwise, ArcKind kind)
{
    const double a0 = angleOf(box, start);
    const double a1 = angleOf(box, end);
    double sweep = std::fmod(counterclockwise ? a1 - a0 : a0 - a1, 360.0);
    if (sweep <= 1e-9)
        sweep += 360;
    if (!counterclockwise)
        sweep = -sweep;

    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(box.center());
        path.arcTo(box, a0, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, a0);
        path.arcTo(box, a0, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    return path;
}

QPainterPath rectangle(const QRectF& box)
{
    QPainterPath path;
    path.addRect(box);
    return path;
}

QPainterPath ellipse(const QRectF& box)
{
    QPainterPath path;
    path.addEllipse(box);
    return path;
}

QPainterPath roundRectangle(const QRectF& box, double cornerWidth, double cornerHeight)
{
    QPainterPath path;
    const double rx = std::min(std::abs(cornerWidth) / 2, box.width() / 2);
    const double ry = std::min(std::abs(cornerHeight) / 2, box.height() / 2);
    path.addRoundedRect(box, rx, ry);
    return path;
}

}  // namespace GdiShapes
