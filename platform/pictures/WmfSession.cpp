#include "platform/pictures/WmfSession.h"

#include "platform/Windows1252.h"
#include "platform/pictures/GdiShapes.h"
#include "platform/pictures/WmfRecords.h"

using namespace WmfRecords;

namespace {

QPolygonF points(ByteReader& in, int count)
{
    QPolygonF polygon;
    if (count < 0 || !in.has(qsizetype(count) * 4))
        return polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        polygon.append(point(in));
    return polygon;
}

}  // namespace

WmfSession::WmfSession(QImage& image, const WmfFrame& frame, uint32_t objects)
    : p_(image, frame.outerTransform(), objects)
{
    DeviceContext& dc = p_.dc;
    dc.deviceUnitsPerMm = frame.unitsPerInch / 25.4;
    if (frame.placeable || !frame.measure) {
        // Played as Windows plays a picture: the window the file sets up
        // fills the picture's rectangle.
        dc.mapMode = Gdi::MmAnisotropic;
        dc.windowOrg = dc.viewportOrg = frame.bounds.topLeft();
        dc.windowExt = dc.viewportExt = frame.bounds.size();
    }
}

void WmfSession::play(uint16_t function, ByteReader& in, QByteArrayView params)
{
    DeviceContext& dc = p_.dc;
    switch (function) {
    case SaveDc: p_.saved.save(dc); break;
    case RestoreDc: p_.saved.restore(dc, in.i16()); break;
    case SetBkMode: dc.bkMode = in.u16(); break;
    case SetMapMode: dc.mapMode = in.u16(); break;
    case SetRop2: dc.rop2 = in.u16(); break;
    case SetPolyFillMode: dc.polyFillMode = in.u16(); break;
    case SetTextCharExtra: dc.textCharExtra = in.i16(); break;
    case SetTextAlign: dc.textAlign = in.u16(); break;
    case SetBkColor: dc.bkColor = dc.color(in.u32()); break;
    case SetTextColor: dc.textColor = dc.color(in.u32()); break;
    case SetWindowOrg: dc.windowOrg = pointYX(in); break;
    case SetViewportOrg: dc.viewportOrg = pointYX(in); break;
    case SetWindowExt:
    case SetViewportExt:
        p_.setExtent(function == SetWindowExt, pointYX(in));
        break;
    case OffsetWindowOrg: dc.windowOrg += pointYX(in); break;
    case OffsetViewportOrg: dc.viewportOrg += pointYX(in); break;
    case ScaleWindowExt:
    case ScaleViewportExt: {
        const double yDen = in.i16(), yNum = in.i16(), xDen = in.i16(), xNum = in.i16();
        if (in.ok())
            p_.scaleExtent(function == ScaleWindowExt, xNum, xDen, yNum, yDen);
        break;
    }
    case MoveTo: p_.moveTo(pointYX(in)); break;
    case LineTo: {
        const QPointF to = pointYX(in);
        if (in.ok())
            p_.lineTo(to);
        break;
    }
    case Rectangle:
    case Ellipse: {
        const QRectF box = boxBRTL(in);
        if (in.ok())
            p_.canvas.drawClosed(dc, function == Ellipse ? GdiShapes::ellipse(box) : GdiShapes::rectangle(box));
        break;
    }
    case RoundRect: {
        const double h = in.i16();
        const double w = in.i16();
        const QRectF box = boxBRTL(in);
        if (in.ok())
            p_.canvas.drawClosed(dc, GdiShapes::roundRectangle(box, w, h));
        break;
    }
    case Arc: case Pie: case Chord: arcRecord(function, in); break;
    case Polygon: case Polyline: polygon(function, in); break;
    case PolyPolygon: polyPolygon(in); break;
    case SetPixel: {
        const uint32_t color = in.u32();
        const QPointF p = pointYX(in);
        if (in.ok())
            p_.setPixel(p, color);
        break;
    }
    case FloodFill:
    case ExtFloodFill: {
        const int mode = function == ExtFloodFill ? in.u16() : 0;
        const uint32_t color = in.u32();
        const QPointF p = pointYX(in);
        if (in.ok())
            p_.floodFill(p, color, mode);
        break;
    }
    case TextOut: case ExtTextOut: textOut(in, function == ExtTextOut); break;
    case ExcludeClipRect:
    case IntersectClipRect: {
        const QRectF box = boxBRTL(in);
        if (in.ok())
            p_.clipRect(box, function == ExcludeClipRect);
        break;
    }
    case OffsetClipRgn: {
        const QPointF offset = pointYX(in);
        if (in.ok())
            p_.canvas.offsetClip(dc, offset);
        break;
    }
    case SelectClipRegion: case FillRegion: case PaintRegion: case FrameRegion: case InvertRegion:
        regionRecord(function, in);
        break;
    case PatBlt: {
        const uint32_t rop = in.u32();
        const double h = in.i16();
        const double w = in.i16();
        const QPointF at = pointYX(in);
        if (in.ok())
            p_.canvas.blit(dc, {}, {}, QRectF(at, QSizeF(w, h)), rop);
        break;
    }
    case BitBlt: case StretchBlt: case DibBitBlt: case DibStretchBlt: case StretchDib: case SetDibToDev:
        bitmaps_.blit(function, in, params);
        break;
    case SelectObject: selectObject(in.u16()); break;
    case SelectPalette:
        if (const GdiObject* object = p_.objects.find(in.u16()))
            dc.select(*object);
        break;
    case DeleteObject: p_.objects.remove(in.u16()); break;
    case CreatePenIndirect: objects_.createPen(in); break;
    case CreateBrushIndirect: objects_.createBrush(in); break;
    case CreateFontIndirect: objects_.createFont(in); break;
    case CreatePalette: objects_.createPalette(in); break;
    case CreateRegion: objects_.createRegion(in); break;
    case CreatePatternBrush:
    case DibCreatePatternBrush:
        objects_.createPatternBrush(function, in, params);
        break;
    default:
        break;
    }
}

void WmfSession::selectObject(uint16_t index)
{
    if (const GdiObject* object = p_.objects.find(index)) {
        if (!p_.dc.select(*object) && std::holds_alternative<GdiRegion>(*object))
            p_.canvas.combineClip(p_.dc, objects_.regionArea(index), Gdi::RgnCopy);
    }
}

void WmfSession::polygon(uint16_t function, ByteReader& in)
{
    const QPolygonF polygon = points(in, in.i16());
    if (polygon.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(polygon);
    if (function == Polygon) {
        path.closeSubpath();
        p_.canvas.drawClosed(p_.dc, path);
    } else {
        p_.canvas.drawOpen(p_.dc, path);
    }
}

void WmfSession::polyPolygon(ByteReader& in)
{
    const int count = in.u16();
    if (!in.has(qsizetype(count) * 2))
        return;
    QList<int> sizes;
    for (int i = 0; i < count; ++i)
        sizes.append(in.u16());
    QPainterPath path;
    for (int size : sizes) {
        const QPolygonF polygon = points(in, size);
        if (polygon.size() != size)
            return;
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    p_.canvas.drawClosed(p_.dc, path);
}

void WmfSession::arcRecord(uint16_t function, ByteReader& in)
{
    const QPointF end = pointYX(in);
    const QPointF start = pointYX(in);
    const QRectF box = boxBRTL(in);
    if (!in.ok())
        return;
    // Arcs run counterclockwise on the screen; a mapping that flips one
    // axis turns that into clockwise in logical units.
    const bool counterclockwise = p_.dc.toDevice().determinant() > 0;
    const auto kind = function == Arc ? GdiShapes::ArcKind::Arc
        : function == Pie             ? GdiShapes::ArcKind::Pie
                                      : GdiShapes::ArcKind::Chord;
    const QPainterPath path = GdiShapes::arc(box, start, end, counterclockwise, kind);
    if (kind == GdiShapes::ArcKind::Arc)
        p_.canvas.drawOpen(p_.dc, path);
    else
        p_.canvas.drawClosed(p_.dc, path);
}

void WmfSession::textOut(ByteReader& in, bool extended)
{
    TextRun run;
    int length = 0;
    if (extended) {
        run.reference = pointYX(in);
        length = in.i16();
        run.options = in.u16();
        if (run.options & (Gdi::EtoOpaque | Gdi::EtoClipped)) {
            const double l = in.i16(), t = in.i16(), r = in.i16(), b = in.i16();
            run.rect = GdiShapes::box(l, t, r, b);
        }
    } else {
        length = in.i16();
    }
    if (length < 0 || !in.has(length))
        return;
    const QByteArrayView bytes = in.block(length);
    if (length % 2)
        in.skip(1);
    if (extended) {
        for (int i = 0; i < length && in.has(2); ++i)
            run.advances.append(in.i16());
        if (run.advances.size() != length)
            run.advances.clear();
    } else {
        run.reference = pointYX(in);
    }
    if (!in.ok())
        return;
    run.text = Windows1252::decode(bytes.toByteArray());
    p_.canvas.text(p_.dc, run);
}

void WmfSession::regionRecord(uint16_t function, ByteReader& in)
{
    const std::optional<QPainterPath> area = objects_.regionArea(in.u16());
    if (function == SelectClipRegion) {
        p_.canvas.combineClip(p_.dc, area, Gdi::RgnCopy);
        return;
    }
    if (!in.ok())
        return;
    switch (function) {
    case PaintRegion:
        p_.fillRegion(area, &p_.dc.brush);
        break;
    case InvertRegion:
        p_.invertRegion(area);
        break;
    case FillRegion: {
        const GdiBrush* brush = objects_.brush(in.u16());
        if (in.ok())
            p_.fillRegion(area, brush);
        break;
    }
    case FrameRegion: {
        const GdiBrush* brush = objects_.brush(in.u16());
        const double height = in.i16();
        const double width = in.i16();
        if (in.ok())
            p_.frameRegion(area, brush, width, height);
        break;
    }
    default:
        break;
    }
}
