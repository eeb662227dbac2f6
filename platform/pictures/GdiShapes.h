#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// Outlines of the figures the drawing records name, built in logical units.
namespace GdiShapes {

enum class ArcKind { Arc, Chord, Pie };

// The box as the two corners of a record give it, whichever way round.
QRectF box(double left, double top, double right, double bottom);

// The part of the ellipse inscribed in `box` from where the line from its
// centre through `start` crosses it to where the line through `end` does.
// `counterclockwise` is the direction in logical coordinates with y growing
// downwards. Equal radial lines give the whole ellipse.
QPainterPath arc(const QRectF& box, QPointF start, QPointF end, bool counterclockwise, ArcKind kind);

QPainterPath rectangle(const QRectF& box);
QPainterPath ellipse(const QRectF& box);
// Corners rounded by an ellipse of `cornerWidth` x `cornerHeight`.
QPainterPath roundRectangle(const QRectF& box, double cornerWidth, double cornerHeight);

}  // namespace GdiShapes
