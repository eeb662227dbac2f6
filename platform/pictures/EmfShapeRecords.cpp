#include "platform/pictures/EmfShapeRecords.h"

#include "platform/pictures/EmfRecords.h"

using namespace EmfRecords;

namespace {

QPolygonF points(ByteReader& in, uint32_t count, bool small)
{
    QPolygonF polygon;
    if (!in.has(qsizetype(count) * (small ? 4 : 8)))
        return polygon;
    polygon.reserve(int(count));
    for (uint32_t i = 0; i < count; ++i)
        polygon.append(readPoint(in, small));
    return polygon;
}

}  // namespace

void EmfShapeRecords::poly(uint32_t type, ByteReader& in, bool small)
{
    in.skip(16);  // bounds
    const uint32_t count = in.u32();
    const QPolygonF polygon = points(in, count, small);
    if (!in.ok() || polygon.isEmpty())
        return;
    DeviceContext& dc = p_.dc;
    QPainterPath path;
    switch (type) {
    case Polygon:
    case Polyline:
        if (polygon.size() < 2)
            return;
        path.addPolygon(polygon);
        if (type == Polygon) {
            path.closeSubpath();
            p_.canvas.drawClosed(dc, path);
        } else {
            p_.canvas.drawOpen(dc, path);
        }
        return;
    case PolylineTo:
        path.moveTo(dc.position);
        for (const QPointF& p : polygon)
            path.lineTo(p);
        p_.canvas.continueFigure(dc, path);
        dc.position = polygon.last();
        return;
    case PolyBezier:
    case PolyBezierTo: {
        // PolyBezier's first point is the start; PolyBezierTo starts at the
        // current position. Then three points per curve.
        int i = 0;
        path.moveTo(type == PolyBezier ? polygon[i++] : dc.position);
        for (; i + 2 < polygon.size(); i += 3)
            path.cubicTo(polygon[i], polygon[i + 1], polygon[i + 2]);
        if (type == PolyBezierTo) {
            p_.canvas.continueFigure(dc, path);
            dc.position = path.currentPosition();
        } else {
            p_.canvas.drawOpen(dc, path);
        }
        return;
    }
    default:
        return;
    }
}

void EmfShapeRecords::polyPoly(uint32_t type, ByteReader& in, bool small)
{
    in.skip(16);
    const uint32_t figures = in.u32();
    const uint32_t total = in.u32();
    if (!in.ok() || !in.has(qsizetype(figures) * 4 + qsizetype(total) * (small ? 4 : 8)))
        return;
    QList<uint32_t> counts;
    uint64_t sum = 0;
    for (uint32_t i = 0; i < figures; ++i) {
        counts.append(in.u32());
        sum += counts.last();
    }
    if (sum > total)
        return;
    QPainterPath path;
    for (uint32_t count : counts) {
        const QPolygonF polygon = points(in, count, small);
        path.addPolygon(polygon);
        if (type == PolyPolygon)
            path.closeSubpath();
    }
    if (type == PolyPolygon)
        p_.canvas.drawClosed(p_.dc, path);
    else
        p_.canvas.drawOpen(p_.dc, path);
}

void EmfShapeRecords::polyDraw(ByteReader& in, bool small)
{
    enum : uint8_t { CloseFigureFlag = 1, LineToType = 2, BezierToType = 4, MoveToType = 6 };
    in.skip(16);
    const uint32_t count = in.u32();
    const QPolygonF polygon = points(in, count, small);
    const QByteArrayView types = in.block(count);
    if (!in.ok() || polygon.size() != qsizetype(count))
        return;
    QPainterPath path(p_.dc.position);
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const uint8_t t = uint8_t(types[i]);
        switch (t & ~CloseFigureFlag) {
        case MoveToType:
            path.moveTo(polygon[i]);
            break;
        case LineToType:
            path.lineTo(polygon[i]);
            break;
        case BezierToType:
            if (i + 2 >= polygon.size())
                return;
            path.cubicTo(polygon[i], polygon[i + 1], polygon[i + 2]);
            i += 2;
            break;
        default:
            return;
        }
        if (uint8_t(types[i]) & CloseFigureFlag)
            path.closeSubpath();
    }
    p_.canvas.continueFigure(p_.dc, path);
    p_.dc.position = path.currentPosition();
}

void EmfShapeRecords::arc(uint32_t type, ByteReader& in)
{
    const QRectF box = readBox(in);
    const QPointF start = readPoint(in, false);
    const QPointF end = readPoint(in, false);
    if (!in.ok())
        return;
    const auto kind = type == Pie ? GdiShapes::ArcKind::Pie
        : type == Chord           ? GdiShapes::ArcKind::Chord
                                  : GdiShapes::ArcKind::Arc;
    QPainterPath path = GdiShapes::arc(box, start, end, counterclockwise(), kind);
    if (type == ArcTo) {
        // A line joins the current position to the arc, which then ends
        // where the current position moves.
        QPainterPath joined(p_.dc.position);
        joined.connectPath(path);
        p_.canvas.continueFigure(p_.dc, joined);
        p_.dc.position = path.currentPosition();
    } else if (kind == GdiShapes::ArcKind::Arc) {
        p_.canvas.drawOpen(p_.dc, path);
    } else {
        p_.canvas.drawClosed(p_.dc, path);
    }
}

void EmfShapeRecords::angleArc(ByteReader& in)
{
    const QPointF c = readPoint(in, false);
    const double r = in.u32();
    const double start = in.f32();
    const double sweep = in.f32();
    if (!in.ok() || !std::isfinite(start) || !std::isfinite(sweep))
        return;
    QPainterPath path(p_.dc.position);
    path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start, std::clamp(sweep, -3600.0, 3600.0));
    p_.canvas.continueFigure(p_.dc, path);
    p_.dc.position = path.currentPosition();
}
