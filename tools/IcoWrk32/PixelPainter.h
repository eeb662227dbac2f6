#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

// Drawing on an icon's pixels, one whole pixel at a time with no blending:
// a colour of alpha 0 makes pixels transparent. Points outside the picture
// are left out; shapes are clipped to it.
namespace PixelPainter {

void plot(QImage& image, QPoint p, QRgb colour);
// Every pixel of the straight line from `a` to `b`, both ends included.
void line(QImage& image, QPoint a, QPoint b, QRgb colour);
// The outline of the rectangle with opposite corners `a` and `b`.
void rectangle(QImage& image, QPoint a, QPoint b, QRgb colour);
// Every pixel of the colour at `start` that joins it by its sides.
void fill(QImage& image, QPoint start, QRgb colour);

}  // namespace PixelPainter
