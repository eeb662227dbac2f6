#include "tools/IcoWrk32/PixelPainter.h"

#include <QList>

#include <algorithm>
#include <cstdlib>

namespace PixelPainter {

void plot(QImage& image, QPoint p, QRgb colour)
{
    if (image.rect().contains(p))
        image.setPixel(p, colour);
}

void line(QImage& image, QPoint a, QPoint b, QRgb colour)
{
    // Bresenham: one pixel per step along the longer axis.
    const int dx = std::abs(b.x() - a.x());
    const int dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1;
    const int sy = a.y() < b.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = a;
    while (true) {
        plot(image, p, colour);
        if (p == b)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
}

void rectangle(QImage& image, QPoint a, QPoint b, QRgb colour)
{
    const QPoint topLeft(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    const QPoint bottomRight(std::max(a.x(), b.x()), std::max(a.y(), b.y()));
    line(image, topLeft, QPoint(bottomRight.x(), topLeft.y()), colour);
    line(image, QPoint(topLeft.x(), bottomRight.y()), bottomRight, colour);
    line(image, topLeft, QPoint(topLeft.x(), bottomRight.y()), colour);
    line(image, QPoint(bottomRight.x(), topLeft.y()), bottomRight, colour);
}

void fill(QImage& image, QPoint start, QRgb colour)
{
    if (!image.rect().contains(start))
        return;
    const QRgb target = image.pixel(start);
    if (target == colour)
        return;
    // Pixels to visit, kept on a list rather than the call stack.
    QList<QPoint> pending{start};
    while (!pending.isEmpty()) {
        const QPoint p = pending.takeLast();
        if (!image.rect().contains(p) || image.pixel(p) != target)
            continue;
        image.setPixel(p, colour);
        pending.append({QPoint(p.x() + 1, p.y()), QPoint(p.x() - 1, p.y()), QPoint(p.x(), p.y() + 1),
                        QPoint(p.x(), p.y() - 1)});
    }
}

}  // namespace PixelPainter
