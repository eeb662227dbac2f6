#include "platform/pictures/EmfPlayer.h"

#include "platform/Windows1252.h"
#include "platform/pictures/ByteReader.h"
#include "platform/pictures/DibDecoder.h"
#include "platform/pictures/GdiObjectTable.h"
#include "platform/pictures/GdiShapes.h"
#include "platform/pictures/ImageLimits.h"
#include "platform/pictures/MetafileCanvas.h"
#include "platform/pictures/SavedContexts.h"
#include "platform/pictures/StockObjects.h"

#include <cmath>

namespace {

// Clip art never holds bitmaps this large; a bound keeps a damaged file
// from making every blit allocate hundreds of megabytes.
constexpr int64_t maxBitmapPixels = int64_t(4096) * 4096;

constexpr uint32_t emfSignature = 0x464D4520;  // " EMF"
constexpr uint32_t stockFlag = 0x80000000u;

enum Record : uint32_t {
    Header = 1, PolyBezier = 2, Polygon = 3, Polyline = 4, PolyBezierTo = 5, PolylineTo = 6, PolyPolyline = 7,
    PolyPolygon = 8, SetWindowExtEx = 9, SetWindowOrgEx = 10, SetViewportExtEx = 11, SetViewportOrgEx = 12,
    Eof = 14, SetPixelV = 15, SetMapMode = 17, SetBkMode = 18, SetPolyFillMode = 19, SetRop2 = 20,
    SetTextAlign = 22, SetTextColor = 24, SetBkColor = 25, OffsetClipRgn = 26, MoveToEx = 27,
    ExcludeClipRect = 29, IntersectClipRect = 30, ScaleViewportExtEx = 31, ScaleWindowExtEx = 32, SaveDc = 33,
    RestoreDc = 34, SetWorldTransform = 35, ModifyWorldTransform = 36, SelectObject = 37, CreatePen = 38,
    CreateBrushIndirect = 39, DeleteObject = 40, AngleArc = 41, Ellipse = 42, Rectangle = 43, RoundRect = 44,
    Arc = 45, Chord = 46, Pie = 47, SelectPalette = 48, CreatePalette = 49, LineTo = 54, ArcTo = 55,
    PolyDraw = 56, SetArcDirection = 57, BeginPath = 59, EndPath = 60, CloseFigure = 61, FillPath = 62,
    StrokeAndFillPath = 63, StrokePath = 64, WidenPath = 66, SelectClipPath = 67, AbortPath = 68,
    FillRgn = 71, PaintRgn = 74, ExtSelectClipRgn = 75, BitBlt = 76, StretchBlt = 77,
    SetDiBitsToDevice = 80, StretchDiBits = 81, ExtCreateFontIndirectW = 82, ExtTextOutA = 83,
    ExtTextOutW = 84, PolyBezier16 = 85, Polygon16 = 86, Polyline16 = 87, PolyBezierTo16 = 88,
    PolylineTo16 = 89, PolyPolyline16 = 90, PolyPolygon16 = 91, PolyDraw16 = 92, CreateMonoBrush = 93,
    CreateDibPatternBrushPt = 94, ExtCreatePen = 95, AlphaBlend = 114, TransparentBlt = 116,
};

constexpr int adClockwise = 2;

QPointF readPoint(ByteReader& in, bool small)
{
    if (small) {
        const double x = in.i16();
        return {x, double(in.i16())};
    }
    const double x = in.i32();
    return {x, double(in.i32())};
}

QRectF readBox(ByteReader& in)
{
    const double l = in.i32(), t = in.i32(), r = in.i32(), b = in.i32();
    return GdiShapes::box(l, t, r, b);
}

QTransform readXform(ByteReader& in)
{
    const double m11 = in.f32(), m12 = in.f32(), m21 = in.f32(), m22 = in.f32(), dx = in.f32(), dy = in.f32();
    if (!std::isfinite(m11 + m12 + m21 + m22 + dx + dy))
        return {};
    return QTransform(m11, m12, m21, m22, dx, dy);
}

bool bottomUp(QByteArrayView info)
{
    ByteReader in(info);
    const uint32_t size = in.u32();
    if (size == 12)
        return true;
    in.skip(4);
    return in.i32() >= 0;
}

class EmfSession {
public:
    EmfSession(QImage& image, const QTransform& outer, uint32_t handles, double unitsPerMm)
        : objects_(handles), canvas_(image, outer)
    {
        dc_.deviceUnitsPerMm = unitsPerMm;
    }

    void play(uint32_t type, ByteReader& in, QByteArrayView record);

private:
    QPolygonF points(ByteReader& in, uint32_t count, bool small) const
    {
        QPolygonF polygon;
        if (!in.has(qsizetype(count) * (small ? 4 : 8)))
            return polygon;
        polygon.reserve(int(count));
        for (uint32_t i = 0; i < count; ++i)
            polygon.append(readPoint(in, small));
        return polygon;
    }

    bool counterclockwise() const { return (dc_.toDevice().determinant() > 0) != dc_.clockwise; }
    void poly(uint32_t type, ByteReader& in, bool small);
    void polyPoly(uint32_t type, ByteReader& in, bool small);
    void polyDraw(ByteReader& in, bool small);
    void arcRecord(uint32_t type, ByteReader& in);
    void text(ByteReader& in, QByteArrayView record, bool wide);
    void blit(uint32_t type, ByteReader& in, QByteArrayView record);
    void createFont(ByteReader& in);
    void createPatternBrush(uint32_t type, ByteReader& in, QByteArrayView record);
    void extCreatePen(ByteReader& in);
    std::optional<QPainterPath> region(ByteReader& in, uint32_t size) const;
    void select(uint32_t handle);
    QImage bitmap(QByteArrayView record, uint32_t offInfo, uint32_t sizeInfo, uint32_t offBits, uint32_t sizeBits,
                  uint32_t usage, bool& upward) const;

    DeviceContext dc_;
    SavedContexts saved_;
    GdiObjectTable objects_;
    MetafileCanvas canvas_;
};

void EmfSession::play(uint32_t type, ByteReader& in, QByteArrayView record)
{
    switch (type) {
    case PolyBezier: case Polygon: case Polyline: case PolyBezierTo: case PolylineTo:
        poly(type, in, false);
        break;
    case PolyBezier16: case Polygon16: case Polyline16: case PolyBezierTo16: case PolylineTo16:
        poly(type - (PolyBezier16 - PolyBezier), in, true);
        break;
    case PolyPolyline: case PolyPolygon:
        polyPoly(type, in, false);
        break;
    case PolyPolyline16: case PolyPolygon16:
        polyPoly(type - (PolyPolyline16 - PolyPolyline), in, true);
        break;
    case PolyDraw: case PolyDraw16:
        polyDraw(in, type == PolyDraw16);
        break;
    case SetWindowExtEx: case SetViewportExtEx: {
        const QPointF e = readPoint(in, false);
        if (in.ok() && e.x() != 0 && e.y() != 0)
            (type == SetWindowExtEx ? dc_.windowExt : dc_.viewportExt) = QSizeF(e.x(), e.y());
        break;
    }
    case SetWindowOrgEx:
        dc_.windowOrg = readPoint(in, false);
        break;
    case SetViewportOrgEx:
        dc_.viewportOrg = readPoint(in, false);
        break;
    case ScaleViewportExtEx: case ScaleWindowExtEx: {
        const double xNum = in.i32(), xDen = in.i32(), yNum = in.i32(), yDen = in.i32();
        if (!in.ok() || xNum == 0 || xDen == 0 || yNum == 0 || yDen == 0)
            break;
        QSizeF& ext = type == ScaleWindowExtEx ? dc_.windowExt : dc_.viewportExt;
        ext = QSizeF(ext.width() * xNum / xDen, ext.height() * yNum / yDen);
        break;
    }
    case SetPixelV: {
        const QPointF p = readPoint(in, false);
        const uint32_t color = in.u32();
        if (in.ok())
            canvas_.setPixel(dc_, p, dc_.color(color));
        break;
    }
    case SetMapMode: dc_.mapMode = int(in.u32()); break;
    case SetBkMode: dc_.bkMode = int(in.u32()); break;
    case SetPolyFillMode: dc_.polyFillMode = int(in.u32()); break;
    case SetRop2: dc_.rop2 = int(in.u32()); break;
    case SetTextAlign: dc_.textAlign = in.u32(); break;
    case SetTextColor: dc_.textColor = dc_.color(in.u32()); break;
    case SetBkColor: dc_.bkColor = dc_.color(in.u32()); break;
    case SetArcDirection: dc_.clockwise = in.u32() == adClockwise; break;
    case OffsetClipRgn: {
        const QPointF offset = readPoint(in, false);
        if (in.ok())
            canvas_.offsetClip(dc_, offset);
        break;
    }
    case MoveToEx:
        dc_.position = readPoint(in, false);
        canvas_.moveTo(dc_, dc_.position);
        break;
    case LineTo: {
        const QPointF to = readPoint(in, false);
        if (!in.ok())
            break;
        QPainterPath path(dc_.position);
        path.lineTo(to);
        canvas_.continueFigure(dc_, path);
        dc_.position = to;
        break;
    }
    case ExcludeClipRect: case IntersectClipRect: {
        const QRectF box = readBox(in);
        if (!in.ok())
            break;
        if (type == ExcludeClipRect)
            canvas_.excludeClip(dc_, box);
        else
            canvas_.intersectClip(dc_, box);
        break;
    }
    case SaveDc: saved_.save(dc_); break;
    case RestoreDc: saved_.restore(dc_, in.i32()); break;
    case SetWorldTransform: {
        const QTransform x = readXform(in);
        if (in.ok())
            dc_.world = x;
        break;
    }
    case ModifyWorldTransform: {
        const QTransform x = readXform(in);
        const uint32_t mode = in.u32();
        if (!in.ok())
            break;
        if (mode == 1)
            dc_.world = QTransform();
        else if (mode == 2)
            dc_.world = x * dc_.world;
        else if (mode == 3)
            dc_.world = dc_.world * x;
        else if (mode == 4)
            dc_.world = x;
        break;
    }
    case SelectObject: select(in.u32()); break;
    case SelectPalette: select(in.u32()); break;
    case DeleteObject: objects_.remove(in.u32()); break;
    case CreatePen: {
        const uint32_t handle = in.u32();
        GdiPen pen;
        pen.style = in.u32();
        pen.width = std::abs(double(in.i32()));
        in.i32();
        pen.color = dc_.color(in.u32());
        if (in.ok())
            objects_.put(handle, pen);
        break;
    }
    case ExtCreatePen: extCreatePen(in); break;
    case CreateBrushIndirect: {
        const uint32_t handle = in.u32();
        GdiBrush brush;
        brush.style = in.u32();
        brush.color = dc_.color(in.u32());
        brush.hatch = in.u32();
        if (brush.style != Gdi::BsSolid && brush.style != Gdi::BsNull && brush.style != Gdi::BsHatched)
            brush.style = Gdi::BsSolid;
        if (in.ok())
            objects_.put(handle, brush);
        break;
    }
    case CreateMonoBrush: case CreateDibPatternBrushPt:
        createPatternBrush(type, in, record);
        break;
    case CreatePalette: {
        const uint32_t handle = in.u32();
        in.u16();
        const int count = in.u16();
        GdiPalette palette;
        for (int i = 0; i < count && in.has(4); ++i) {
            const uint8_t r = in.u8(), g = in.u8(), b = in.u8();
            in.u8();
            palette.colors.append(qRgb(r, g, b));
        }
        objects_.put(handle, palette);
        break;
    }
    case ExtCreateFontIndirectW: createFont(in); break;
    case Ellipse: case Rectangle: {
        const QRectF box = readBox(in);
        if (in.ok())
            canvas_.drawClosed(dc_, type == Ellipse ? GdiShapes::ellipse(box) : GdiShapes::rectangle(box));
        break;
    }
    case RoundRect: {
        const QRectF box = readBox(in);
        const QPointF corner = readPoint(in, false);
        if (in.ok())
            canvas_.drawClosed(dc_, GdiShapes::roundRectangle(box, corner.x(), corner.y()));
        break;
    }
    case Arc: case Chord: case Pie: case ArcTo:
        arcRecord(type, in);
        break;
    case AngleArc: {
        const QPointF c = readPoint(in, false);
        const double r = in.u32();
        const double start = in.f32();
        const double sweep = in.f32();
        if (!in.ok() || !std::isfinite(start) || !std::isfinite(sweep))
            break;
        QPainterPath path(dc_.position);
        path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start, std::clamp(sweep, -3600.0, 3600.0));
        canvas_.continueFigure(dc_, path);
        dc_.position = path.currentPosition();
        break;
    }
    case BeginPath: canvas_.beginPath(); break;
    case EndPath: canvas_.endPath(); break;
    case CloseFigure: canvas_.closeFigure(); break;
    case AbortPath: canvas_.abortPath(); break;
    case FillPath: canvas_.fillPath(dc_); break;
    case StrokePath: canvas_.strokePath(dc_); break;
    case StrokeAndFillPath: canvas_.strokeAndFillPath(dc_); break;
    case WidenPath: canvas_.widenPath(dc_); break;
    case SelectClipPath: canvas_.selectClipPath(dc_, int(in.u32())); break;
    case ExtSelectClipRgn: {
        const uint32_t size = in.u32();
        const int mode = int(in.u32());
        if (!in.ok())
            break;
        canvas_.combineClip(dc_, size == 0 ? std::nullopt : region(in, size), mode);
        break;
    }
    case FillRgn: case PaintRgn: {
        in.skip(16);
        const uint32_t size = in.u32();
        const GdiBrush* brush = &dc_.brush;
        GdiBrush stock;
        if (type == FillRgn) {
            const uint32_t handle = in.u32();
            if (handle & stockFlag) {
                const GdiObject object = StockObjects::object(handle & ~stockFlag);
                stock = std::holds_alternative<GdiBrush>(object) ? std::get<GdiBrush>(object) : GdiBrush{};
                brush = &stock;
            } else {
                const GdiObject* object = objects_.find(handle);
                brush = object ? std::get_if<GdiBrush>(object) : nullptr;
            }
        }
        const std::optional<QPainterPath> area = region(in, size);
        if (in.ok() && brush && area)
            canvas_.fillArea(dc_, *area, *brush);
        break;
    }
    case BitBlt: case StretchBlt: case StretchDiBits: case SetDiBitsToDevice: case AlphaBlend: case TransparentBlt:
        blit(type, in, record);
        break;
    case ExtTextOutA: case ExtTextOutW:
        text(in, record, type == ExtTextOutW);
        break;
    default:
        // Comments (where EMF+ lives), colour management, palettes
        // animation and records we do not know change nothing we draw.
        break;
    }
}

void EmfSession::select(uint32_t handle)
{
    if (handle & stockFlag) {
        dc_.select(StockObjects::object(handle & ~stockFlag));
        return;
    }
    if (const GdiObject* object = objects_.find(handle))
        dc_.select(*object);
}

void EmfSession::poly(uint32_t type, ByteReader& in, bool small)
{
    in.skip(16);  // bounds
    const uint32_t count = in.u32();
    const QPolygonF polygon = points(in, count, small);
    if (!in.ok() || polygon.isEmpty())
        return;
    QPainterPath path;
    switch (type) {
    case Polygon:
        if (polygon.size() < 2)
            return;
        path.addPolygon(polygon);
        path.closeSubpath();
        canvas_.drawClosed(dc_, path);
        return;
    case Polyline:
        if (polygon.size() < 2)
            return;
        path.addPolygon(polygon);
        canvas_.drawOpen(dc_, path);
        return;
    case PolylineTo:
        path.moveTo(dc_.position);
        for (const QPointF& p : polygon)
            path.lineTo(p);
        canvas_.continueFigure(dc_, path);
        dc_.position = polygon.last();
        return;
    case PolyBezier:
    case PolyBezierTo: {
        // PolyBezier's first point is the start; PolyBezierTo starts at the
        // current position. Then three points per curve.
        int i = 0;
        path.moveTo(type == PolyBezier ? polygon[i++] : dc_.position);
        for (; i + 2 < polygon.size(); i += 3)
            path.cubicTo(polygon[i], polygon[i + 1], polygon[i + 2]);
        if (type == PolyBezierTo) {
            canvas_.continueFigure(dc_, path);
            dc_.position = path.currentPosition();
        } else {
            canvas_.drawOpen(dc_, path);
        }
        return;
    }
    default:
        return;
    }
}

void EmfSession::polyPoly(uint32_t type, ByteReader& in, bool small)
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
        canvas_.drawClosed(dc_, path);
    else
        canvas_.drawOpen(dc_, path);
}

void EmfSession::polyDraw(ByteReader& in, bool small)
{
    enum : uint8_t { CloseFigureFlag = 1, LineToType = 2, BezierToType = 4, MoveToType = 6 };
    in.skip(16);
    const uint32_t count = in.u32();
    const QPolygonF polygon = points(in, count, small);
    const QByteArrayView types = in.block(count);
    if (!in.ok() || polygon.size() != qsizetype(count))
        return;
    QPainterPath path(dc_.position);
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
    canvas_.continueFigure(dc_, path);
    dc_.position = path.currentPosition();
}

void EmfSession::arcRecord(uint32_t type, ByteReader& in)
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
        QPainterPath joined(dc_.position);
        joined.connectPath(path);
        canvas_.continueFigure(dc_, joined);
        dc_.position = path.currentPosition();
    } else if (kind == GdiShapes::ArcKind::Arc) {
        canvas_.drawOpen(dc_, path);
    } else {
        canvas_.drawClosed(dc_, path);
    }
}

void EmfSession::text(ByteReader& in, QByteArrayView record, bool wide)
{
    in.skip(16);  // bounds
    in.skip(12);  // graphics mode, scales
    MetafileCanvas::TextRun run;
    run.reference = readPoint(in, false);
    const uint32_t count = in.u32();
    const uint32_t offString = in.u32();
    run.options = in.u32();
    const QRectF rect = readBox(in);
    const uint32_t offDx = in.u32();
    if (!in.ok())
        return;
    if (run.options & (Gdi::EtoOpaque | Gdi::EtoClipped))
        run.rect = rect;
    const qsizetype bytes = qsizetype(count) * (wide ? 2 : 1);
    if (offString > record.size() || bytes > record.size() - offString)
        return;
    const QByteArrayView chars = record.sliced(offString, bytes);
    run.text = wide ? QString::fromUtf16(reinterpret_cast<const char16_t*>(chars.data()), count)
                    : Windows1252::decode(chars.toByteArray());
    if (wide) {
        // The characters are little-endian on disk.
        for (qsizetype i = 0; i < run.text.size(); ++i)
            run.text[i] = QChar(uint16_t(uint8_t(chars[2 * i]) | uint8_t(chars[2 * i + 1]) << 8));
    }
    const int step = (run.options & Gdi::EtoPdy) ? 8 : 4;
    if (offDx != 0 && offDx <= record.size() && qsizetype(count) * step <= record.size() - offDx) {
        ByteReader dx(record, offDx);
        for (uint32_t i = 0; i < count; ++i) {
            run.advances.append(dx.i32());
            if (step == 8)
                dx.i32();
        }
    }
    canvas_.text(dc_, run);
}

QImage EmfSession::bitmap(QByteArrayView record, uint32_t offInfo, uint32_t sizeInfo, uint32_t offBits,
                          uint32_t sizeBits, uint32_t usage, bool& upward) const
{
    if (sizeInfo == 0 || offInfo > record.size() || sizeInfo > record.size() - offInfo || offBits > record.size()
        || sizeBits > record.size() - offBits)
        return {};
    DibDecoder::Options options;
    options.paletteIndices = usage == Gdi::DibPalColors;
    options.palette = dc_.palette;
    options.rleSkipsTransparent = true;
    options.maxPixels = maxBitmapPixels;
    const QByteArrayView info = record.sliced(offInfo, sizeInfo);
    upward = bottomUp(info);
    return DibDecoder::decode(info, record.sliced(offBits, sizeBits), options);
}

void EmfSession::blit(uint32_t type, ByteReader& in, QByteArrayView record)
{
    in.skip(16);  // bounds
    QRectF dest, source;
    uint32_t rop = Gdi::SrcCopy, usage = 0, offInfo = 0, sizeInfo = 0, offBits = 0, sizeBits = 0;
    bool dibOrigin = false;  // source y counted from the bottom of a bottom-up bitmap
    if (type == StretchDiBits || type == SetDiBitsToDevice) {
        const QPointF d = readPoint(in, false);
        const QPointF s = readPoint(in, false);
        const QPointF size = readPoint(in, false);
        offInfo = in.u32(), sizeInfo = in.u32(), offBits = in.u32(), sizeBits = in.u32(), usage = in.u32();
        source = QRectF(s, QSizeF(size.x(), size.y()));
        dest = QRectF(d, QSizeF(size.x(), size.y()));
        if (type == StretchDiBits) {
            rop = in.u32();
            const QPointF destSize = readPoint(in, false);
            dest.setSize(QSizeF(destSize.x(), destSize.y()));
        }
        dibOrigin = true;
    } else {
        dest = QRectF(readPoint(in, false), QSizeF());
        const QPointF destSize = readPoint(in, false);
        dest.setSize(QSizeF(destSize.x(), destSize.y()));
        rop = in.u32();
        source = QRectF(readPoint(in, false), dest.size());
        in.skip(24 + 4);  // source transform, background colour
        usage = in.u32(), offInfo = in.u32(), sizeInfo = in.u32(), offBits = in.u32(), sizeBits = in.u32();
        if (type != BitBlt) {
            const QPointF sourceSize = readPoint(in, false);
            source.setSize(QSizeF(sourceSize.x(), sourceSize.y()));
        }
    }
    if (!in.ok())
        return;
    bool upward = false;
    QImage image = bitmap(record, offInfo, sizeInfo, offBits, sizeBits, usage, upward);
    if (image.isNull()) {
        if (sizeInfo == 0 && (type == BitBlt || type == StretchBlt))
            canvas_.blit(dc_, {}, {}, dest, rop);
        return;
    }
    if (dibOrigin && upward)
        source.moveTop(image.height() - source.top() - source.height());
    if (type == AlphaBlend) {
        // The operation field holds the blend: constant alpha in its third
        // byte, a per-pixel alpha flag in its fourth.
        const int constant = int((rop >> 16) & 0xff);
        const bool perPixel = (rop >> 24) & 1;
        QImage blended = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < blended.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(blended.scanLine(y));
            for (int x = 0; x < blended.width(); ++x) {
                const int a = (perPixel ? qAlpha(line[x]) : 255) * constant / 255;
                line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), a);
            }
        }
        image = blended;
        rop = Gdi::SrcCopy;
    } else if (type == TransparentBlt) {
        const QRgb key = dc_.color(rop).rgb() & 0x00ffffffu;
        QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < keyed.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x) {
                if ((line[x] & 0x00ffffffu) == key)
                    line[x] = 0;
            }
        }
        image = keyed;
        rop = Gdi::SrcCopy;
    }
    canvas_.blit(dc_, image, source, dest, rop);
}

void EmfSession::createFont(ByteReader& in)
{
    const uint32_t handle = in.u32();
    GdiFont font;
    font.height = in.i32();
    font.width = in.i32();
    font.escapement = in.i32();
    in.i32();  // orientation
    font.weight = in.i32();
    font.italic = in.u8();
    font.underline = in.u8();
    font.strikeOut = in.u8();
    font.charset = in.u8();
    in.skip(3);
    font.pitchAndFamily = in.u8();
    QString face;
    for (int i = 0; i < 32 && in.has(2); ++i) {
        const uint16_t c = in.u16();
        if (c == 0)
            break;
        face.append(QChar(c));
    }
    font.face = face;
    objects_.put(handle, font);
}

void EmfSession::extCreatePen(ByteReader& in)
{
    const uint32_t handle = in.u32();
    in.skip(16);  // brush bitmap offsets and sizes
    GdiPen pen;
    pen.style = in.u32();
    pen.width = in.u32();
    const uint32_t brushStyle = in.u32();
    pen.color = dc_.color(in.u32());
    in.u32();  // hatch
    const uint32_t entries = in.u32();
    if (!in.ok())
        return;
    if (brushStyle == Gdi::BsNull)
        pen.style = (pen.style & ~uint32_t(Gdi::PsStyleMask)) | Gdi::PsNull;
    for (uint32_t i = 0; i < entries && i < 32 && in.has(4); ++i)
        pen.dashes.append(in.u32());
    objects_.put(handle, pen);
}

void EmfSession::createPatternBrush(uint32_t type, ByteReader& in, QByteArrayView record)
{
    const uint32_t handle = in.u32();
    const uint32_t usage = in.u32();
    const uint32_t offInfo = in.u32(), sizeInfo = in.u32(), offBits = in.u32(), sizeBits = in.u32();
    if (!in.ok())
        return;
    GdiBrush brush;
    brush.style = Gdi::BsDibPatternPt;
    bool upward = false;
    brush.pattern = bitmap(record, offInfo, sizeInfo, offBits, sizeBits, usage, upward);
    // A mono brush takes the text and background colours, whatever the
    // bitmap's own two colours are.
    brush.monochrome = type == CreateMonoBrush;
    if (brush.monochrome && !brush.pattern.isNull()) {
        QImage mono(brush.pattern.size(), QImage::Format_Indexed8);
        mono.setColorCount(2);
        mono.setColor(0, qRgb(0, 0, 0));
        mono.setColor(1, qRgb(255, 255, 255));
        for (int y = 0; y < mono.height(); ++y)
            for (int x = 0; x < mono.width(); ++x)
                mono.setPixel(x, y, qGray(brush.pattern.pixel(x, y)) > 127 ? 1 : 0);
        brush.pattern = mono;
    }
    if (brush.pattern.isNull())
        brush.style = Gdi::BsSolid;
    objects_.put(handle, brush);
}

std::optional<QPainterPath> EmfSession::region(ByteReader& in, uint32_t size) const
{
    const qsizetype start = in.position();
    const uint32_t headerSize = in.u32();
    in.u32();  // type
    const uint32_t count = in.u32();
    in.u32();
    in.skip(16);
    if (!in.ok() || headerSize < 32 || size < headerSize || !in.has(qsizetype(count) * 16)
        || qsizetype(count) * 16 > qsizetype(size) - headerSize)
        return std::nullopt;
    in.seek(start + headerSize);
    QPainterPath area;
    for (uint32_t i = 0; i < count; ++i)
        area.addRect(readBox(in));
    // Region rectangles are in device units.
    return canvas_.outer().map(area);
}

}  // namespace

bool EmfPlayer::recognizes(QByteArrayView bytes)
{
    ByteReader in(bytes);
    const uint32_t type = in.u32();
    in.seek(40);
    const uint32_t signature = in.u32();
    return in.ok() && type == Header && signature == emfSignature;
}

QImage EmfPlayer::render(const QByteArray& bytes)
{
    if (!recognizes(bytes))
        return {};
    ByteReader header(bytes);
    header.u32();
    const uint32_t headerSize = header.u32();
    const QRectF bounds = readBox(header);
    const QRectF frame = readBox(header);
    header.skip(8);  // signature, version
    const uint32_t declaredBytes = header.u32();
    header.u32();     // records
    const uint16_t handles = header.u16();
    header.skip(14);  // reserved, description, palette entries
    const double deviceX = header.i32(), deviceY = header.i32();
    double mmX = header.i32(), mmY = header.i32();
    if (headerSize >= 108) {
        header.skip(12);
        const double umX = header.i32(), umY = header.i32();
        if (umX > 0 && umY > 0)
            mmX = umX / 1000, mmY = umY / 1000;
    }
    // A file shorter than its header says has lost its end.
    if (!header.ok() || headerSize < 88 || headerSize > uint32_t(bytes.size()) || declaredBytes > uint64_t(bytes.size()))
        return {};
    const double perMmX = deviceX > 0 && mmX > 0 ? deviceX / mmX : 96 / 25.4;
    const double perMmY = deviceY > 0 && mmY > 0 ? deviceY / mmY : 96 / 25.4;

    // The frame (hundredths of a millimetre) is the picture's rectangle on
    // the reference device; the picture shows it at 96 pixels per inch.
    QRectF deviceFrame(frame.left() / 100 * perMmX, frame.top() / 100 * perMmY, frame.width() / 100 * perMmX,
                       frame.height() / 100 * perMmY);
    double width = std::round(frame.width() * 96 / 2540);
    double height = std::round(frame.height() * 96 / 2540);
    if (width < 1 || height < 1) {
        deviceFrame = bounds.adjusted(0, 0, 1, 1);
        width = std::round(deviceFrame.width() * 96 / (perMmX * 25.4));
        height = std::round(deviceFrame.height() * 96 / (perMmY * 25.4));
    }
    if (!ImageLimits::fits(int64_t(width), int64_t(height)) || deviceFrame.isEmpty())
        return {};
    const QTransform outer = QTransform::fromTranslate(-deviceFrame.left(), -deviceFrame.top())
        * QTransform::fromScale(width / deviceFrame.width(), height / deviceFrame.height());

    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    {
        EmfSession session(image, outer, handles, (perMmX + perMmY) / 2);
        ByteReader records(bytes, headerSize);
        while (records.remaining() >= 8) {
            const qsizetype at = records.position();
            const uint32_t type = records.u32();
            const uint32_t size = records.u32();
            // Records must hold their own header and lie inside the file.
            if (size < 8 || size > uint64_t(bytes.size() - at))
                return {};
            if (type == Eof)
                break;
            const QByteArrayView record = QByteArrayView(bytes).sliced(at, size);
            ByteReader in(record, 8);
            session.play(type, in, record);
            records.seek(at + size);
        }
    }
    return image;
}
