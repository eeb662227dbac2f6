#include "platform/pictures/EmfSession.h"

#include "platform/pictures/EmfRecords.h"

using namespace EmfRecords;

namespace {

constexpr int adClockwise = 2;

}  // namespace

EmfSession::EmfSession(QImage& image, const QTransform& outer, uint32_t handles, double unitsPerMm)
    : p_(image, outer, handles)
{
    p_.dc.deviceUnitsPerMm = unitsPerMm;
}

void EmfSession::play(uint32_t type, ByteReader& in, QByteArrayView record)
{
    DeviceContext& dc = p_.dc;
    MetafileCanvas& canvas = p_.canvas;
    switch (type) {
    case PolyBezier: case Polygon: case Polyline: case PolyBezierTo: case PolylineTo:
        shapes_.poly(type, in, false);
        break;
    case PolyBezier16: case Polygon16: case Polyline16: case PolyBezierTo16: case PolylineTo16:
        shapes_.poly(type - (PolyBezier16 - PolyBezier), in, true);
        break;
    case PolyPolyline: case PolyPolygon:
        shapes_.polyPoly(type, in, false);
        break;
    case PolyPolyline16: case PolyPolygon16:
        shapes_.polyPoly(type - (PolyPolyline16 - PolyPolyline), in, true);
        break;
    case PolyDraw: case PolyDraw16:
        shapes_.polyDraw(in, type == PolyDraw16);
        break;
    case SetWindowExtEx: case SetViewportExtEx: {
        const QPointF e = readPoint(in, false);
        if (in.ok())
            p_.setExtent(type == SetWindowExtEx, e);
        break;
    }
    case SetWindowOrgEx: dc.windowOrg = readPoint(in, false); break;
    case SetViewportOrgEx: dc.viewportOrg = readPoint(in, false); break;
    case ScaleViewportExtEx: case ScaleWindowExtEx: {
        const double xNum = in.i32(), xDen = in.i32(), yNum = in.i32(), yDen = in.i32();
        if (in.ok())
            p_.scaleExtent(type == ScaleWindowExtEx, xNum, xDen, yNum, yDen);
        break;
    }
    case SetPixelV: {
        const QPointF p = readPoint(in, false);
        const uint32_t color = in.u32();
        if (in.ok())
            p_.setPixel(p, color);
        break;
    }
    case ExtFloodFill: {
        const QPointF p = readPoint(in, false);
        const uint32_t color = in.u32();
        const uint32_t mode = in.u32();
        if (in.ok())
            p_.floodFill(p, color, int(mode));
        break;
    }
    case SetMapMode: dc.mapMode = int(in.u32()); break;
    case SetBkMode: dc.bkMode = int(in.u32()); break;
    case SetPolyFillMode: dc.polyFillMode = int(in.u32()); break;
    case SetRop2: dc.rop2 = int(in.u32()); break;
    case SetTextAlign: dc.textAlign = in.u32(); break;
    case SetTextColor: dc.textColor = dc.color(in.u32()); break;
    case SetBkColor: dc.bkColor = dc.color(in.u32()); break;
    case SetArcDirection: dc.clockwise = in.u32() == adClockwise; break;
    case OffsetClipRgn: {
        const QPointF offset = readPoint(in, false);
        if (in.ok())
            canvas.offsetClip(dc, offset);
        break;
    }
    case MoveToEx: p_.moveTo(readPoint(in, false)); break;
    case LineTo: {
        const QPointF to = readPoint(in, false);
        if (in.ok())
            p_.lineTo(to);
        break;
    }
    case ExcludeClipRect: case IntersectClipRect: {
        const QRectF box = readBox(in);
        if (in.ok())
            p_.clipRect(box, type == ExcludeClipRect);
        break;
    }
    case SaveDc: p_.saved.save(dc); break;
    case RestoreDc: p_.saved.restore(dc, in.i32()); break;
    case SetWorldTransform: case ModifyWorldTransform: worldTransform(type, in); break;
    case SelectObject: case SelectPalette: objects_.select(in.u32()); break;
    case DeleteObject: p_.objects.remove(in.u32()); break;
    case CreatePen: objects_.createPen(in); break;
    case ExtCreatePen: objects_.extCreatePen(in); break;
    case CreateBrushIndirect: objects_.createBrush(in); break;
    case CreateMonoBrush: case CreateDibPatternBrushPt: objects_.createPatternBrush(type, in, record); break;
    case CreatePalette: objects_.createPalette(in); break;
    case ExtCreateFontIndirectW: objects_.createFont(in); break;
    case Ellipse: case Rectangle: {
        const QRectF box = readBox(in);
        if (in.ok())
            canvas.drawClosed(dc, type == Ellipse ? GdiShapes::ellipse(box) : GdiShapes::rectangle(box));
        break;
    }
    case RoundRect: {
        const QRectF box = readBox(in);
        const QPointF corner = readPoint(in, false);
        if (in.ok())
            canvas.drawClosed(dc, GdiShapes::roundRectangle(box, corner.x(), corner.y()));
        break;
    }
    case Arc: case Chord: case Pie: case ArcTo: shapes_.arc(type, in); break;
    case AngleArc: shapes_.angleArc(in); break;
    case BeginPath: canvas.beginPath(); break;
    case EndPath: canvas.endPath(); break;
    case CloseFigure: canvas.closeFigure(); break;
    case AbortPath: canvas.abortPath(); break;
    case FillPath: canvas.fillPath(dc); break;
    case StrokePath: canvas.strokePath(dc); break;
    case StrokeAndFillPath: canvas.strokeAndFillPath(dc); break;
    case WidenPath: canvas.widenPath(dc); break;
    case SelectClipPath: canvas.selectClipPath(dc, int(in.u32())); break;
    case ExtSelectClipRgn: regions_.selectClip(in); break;
    case FillRgn: case FrameRgn: case InvertRgn: case PaintRgn: regions_.fill(type, in); break;
    case BitBlt: case StretchBlt: case MaskBlt: case StretchDiBits: case SetDiBitsToDevice: case AlphaBlend:
    case TransparentBlt:
        bitmaps_.blit(type, in, record);
        break;
    case PlgBlt: bitmaps_.plgBlt(in, record); break;
    case ExtTextOutA: case ExtTextOutW: text_.extTextOut(in, record, type == ExtTextOutW); break;
    case PolyTextOutA: case PolyTextOutW: text_.polyTextOut(in, record, type == PolyTextOutW); break;
    default:
        break;
    }
}

void EmfSession::worldTransform(uint32_t type, ByteReader& in)
{
    const QTransform x = readXform(in);
    if (type == SetWorldTransform) {
        if (in.ok())
            p_.dc.world = x;
        return;
    }
    const uint32_t mode = in.u32();
    if (!in.ok())
        return;
    QTransform& world = p_.dc.world;
    if (mode == 1)
        world = QTransform();
    else if (mode == 2)
        world = x * world;
    else if (mode == 3)
        world = world * x;
    else if (mode == 4)
        world = x;
}
