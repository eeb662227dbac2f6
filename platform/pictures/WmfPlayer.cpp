#include "platform/pictures/WmfPlayer.h"

#include "platform/Windows1252.h"
#include "platform/pictures/ByteReader.h"
#include "platform/pictures/DibDecoder.h"
#include "platform/pictures/GdiObjectTable.h"
#include "platform/pictures/GdiShapes.h"
#include "platform/pictures/ImageLimits.h"
#include "platform/pictures/MetafileCanvas.h"
#include "platform/pictures/SavedContexts.h"

#include <cmath>
#include <cstring>

namespace {

// Clip art never holds bitmaps this large; a bound keeps a damaged file
// from making every blit allocate hundreds of megabytes.
constexpr int64_t maxBitmapPixels = int64_t(4096) * 4096;

constexpr uint32_t placeableKey = 0x9AC6CDD7;
constexpr qsizetype placeableSize = 22;
constexpr qsizetype headerSize = 18;
// Pictures of plain metafiles, which carry no size of their own, are made
// no larger than this on their longer side.
constexpr double plainMaxSide = 1024;
constexpr int measureSide = 2048;

enum Function : uint16_t {
    Eof = 0x0000, SaveDc = 0x001E, RealizePalette = 0x0035, SetPalEntries = 0x0037, CreatePalette = 0x00F7,
    SetBkMode = 0x0102, SetMapMode = 0x0103, SetRop2 = 0x0104, SetPolyFillMode = 0x0106,
    SetTextCharExtra = 0x0108, RestoreDc = 0x0127, InvertRegion = 0x012A, PaintRegion = 0x012B,
    SelectClipRegion = 0x012C, SelectObject = 0x012D, SetTextAlign = 0x012E, DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0, CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201, SetTextColor = 0x0209, SetWindowOrg = 0x020B, SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D, SetViewportExt = 0x020E, OffsetWindowOrg = 0x020F, OffsetViewportOrg = 0x0211,
    LineTo = 0x0213, MoveTo = 0x0214, OffsetClipRgn = 0x0220, FillRegion = 0x0228, SelectPalette = 0x0234,
    CreatePenIndirect = 0x02FA, CreateFontIndirect = 0x02FB, CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324, Polyline = 0x0325, ScaleWindowExt = 0x0410, ScaleViewportExt = 0x0412,
    ExcludeClipRect = 0x0415, IntersectClipRect = 0x0416, Ellipse = 0x0418, Rectangle = 0x041B,
    SetPixel = 0x041F, TextOut = 0x0521, PolyPolygon = 0x0538, RoundRect = 0x061C, PatBlt = 0x061D,
    CreateRegion = 0x06FF, Arc = 0x0817, Pie = 0x081A, Chord = 0x0830, BitBlt = 0x0922, DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32, StretchBlt = 0x0B23, DibStretchBlt = 0x0B41, SetDibToDev = 0x0D33, StretchDib = 0x0F43,
};

QPointF point(ByteReader& in)
{
    const double x = in.i16();
    const double y = in.i16();
    return {x, y};
}
// Parameters are stored last first: (y, x) pairs, (bottom, right, top, left) boxes.
QPointF pointYX(ByteReader& in)
{
    const double y = in.i16();
    const double x = in.i16();
    return {x, y};
}
QRectF boxBRTL(ByteReader& in)
{
    const double b = in.i16();
    const double r = in.i16();
    const double t = in.i16();
    const double l = in.i16();
    return GdiShapes::box(l, t, r, b);
}

struct Frame {
    QRectF bounds;  // logical units
    QSize size;     // pixels
    double unitsPerInch = 96;
    bool placeable = false;
    bool measure = false;  // draw large, then cut to what was drawn
};

class WmfSession {
public:
    WmfSession(QImage& image, const Frame& frame, uint32_t objects)
        : objects_(objects)
        , canvas_(image, outerTransform(frame))
    {
        dc_.deviceUnitsPerMm = frame.unitsPerInch / 25.4;
        if (frame.placeable || !frame.measure) {
            // Played as Windows plays a picture: the window the file sets up
            // fills the picture's rectangle.
            dc_.mapMode = Gdi::MmAnisotropic;
            dc_.windowOrg = dc_.viewportOrg = frame.bounds.topLeft();
            dc_.windowExt = dc_.viewportExt = frame.bounds.size();
        }
    }

    void play(uint16_t function, ByteReader& in, QByteArrayView params);

private:
    static QTransform outerTransform(const Frame& frame)
    {
        if (frame.measure)
            return {};
        const QRectF b = frame.bounds;
        return QTransform::fromTranslate(-b.left(), -b.top())
            * QTransform::fromScale(frame.size.width() / b.width(), frame.size.height() / b.height());
    }

    QPolygonF points(ByteReader& in, int count) const
    {
        QPolygonF polygon;
        if (count < 0 || !in.has(qsizetype(count) * 4))
            return polygon;
        polygon.reserve(count);
        for (int i = 0; i < count; ++i)
            polygon.append(point(in));
        return polygon;
    }

    void arcRecord(uint16_t function, ByteReader& in);
    void textOut(ByteReader& in, bool extended);
    void dibBlit(uint16_t function, ByteReader& in, QByteArrayView params);
    void createRegion(ByteReader& in);
    void createFont(ByteReader& in);
    void createPatternBrush(uint16_t function, ByteReader& in, QByteArrayView params);
    const GdiRegion* region(uint16_t index) const;
    std::optional<QPainterPath> regionArea(uint16_t index) const;

    DeviceContext dc_;
    SavedContexts saved_;
    GdiObjectTable objects_;
    MetafileCanvas canvas_;
};

void WmfSession::play(uint16_t function, ByteReader& in, QByteArrayView params)
{
    switch (function) {
    case SaveDc:
        saved_.save(dc_);
        break;
    case RestoreDc:
        saved_.restore(dc_, in.i16());
        break;
    case SetBkMode:
        dc_.bkMode = in.u16();
        break;
    case SetMapMode:
        dc_.mapMode = in.u16();
        break;
    case SetRop2:
        dc_.rop2 = in.u16();
        break;
    case SetPolyFillMode:
        dc_.polyFillMode = in.u16();
        break;
    case SetTextCharExtra:
        dc_.textCharExtra = in.i16();
        break;
    case SetTextAlign:
        dc_.textAlign = in.u16();
        break;
    case SetBkColor:
        dc_.bkColor = dc_.color(in.u32());
        break;
    case SetTextColor:
        dc_.textColor = dc_.color(in.u32());
        break;
    case SetWindowOrg:
        dc_.windowOrg = pointYX(in);
        break;
    case SetWindowExt: {
        const QPointF e = pointYX(in);
        if (e.x() != 0 && e.y() != 0)
            dc_.windowExt = QSizeF(e.x(), e.y());
        break;
    }
    case SetViewportOrg:
        dc_.viewportOrg = pointYX(in);
        break;
    case SetViewportExt: {
        const QPointF e = pointYX(in);
        if (e.x() != 0 && e.y() != 0)
            dc_.viewportExt = QSizeF(e.x(), e.y());
        break;
    }
    case OffsetWindowOrg:
        dc_.windowOrg += pointYX(in);
        break;
    case OffsetViewportOrg:
        dc_.viewportOrg += pointYX(in);
        break;
    case ScaleWindowExt:
    case ScaleViewportExt: {
        const double yDen = in.i16(), yNum = in.i16(), xDen = in.i16(), xNum = in.i16();
        if (!in.ok() || yDen == 0 || xDen == 0 || yNum == 0 || xNum == 0)
            break;
        QSizeF& ext = function == ScaleWindowExt ? dc_.windowExt : dc_.viewportExt;
        ext = QSizeF(ext.width() * xNum / xDen, ext.height() * yNum / yDen);
        break;
    }
    case MoveTo:
        dc_.position = pointYX(in);
        canvas_.moveTo(dc_, dc_.position);
        break;
    case LineTo: {
        const QPointF to = pointYX(in);
        if (!in.ok())
            break;
        QPainterPath path(dc_.position);
        path.lineTo(to);
        canvas_.drawOpen(dc_, path);
        dc_.position = to;
        break;
    }
    case Rectangle: {
        const QRectF box = boxBRTL(in);
        if (in.ok())
            canvas_.drawClosed(dc_, GdiShapes::rectangle(box));
        break;
    }
    case Ellipse: {
        const QRectF box = boxBRTL(in);
        if (in.ok())
            canvas_.drawClosed(dc_, GdiShapes::ellipse(box));
        break;
    }
    case RoundRect: {
        const double h = in.i16();
        const double w = in.i16();
        const QRectF box = boxBRTL(in);
        if (in.ok())
            canvas_.drawClosed(dc_, GdiShapes::roundRectangle(box, w, h));
        break;
    }
    case Arc:
    case Pie:
    case Chord:
        arcRecord(function, in);
        break;
    case Polygon:
    case Polyline: {
        const QPolygonF polygon = points(in, in.i16());
        if (polygon.size() < 2)
            break;
        QPainterPath path;
        path.addPolygon(polygon);
        if (function == Polygon) {
            path.closeSubpath();
            canvas_.drawClosed(dc_, path);
        } else {
            canvas_.drawOpen(dc_, path);
        }
        break;
    }
    case PolyPolygon: {
        const int count = in.u16();
        if (!in.has(qsizetype(count) * 2))
            break;
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
        canvas_.drawClosed(dc_, path);
        break;
    }
    case SetPixel: {
        const uint32_t color = in.u32();
        const QPointF p = pointYX(in);
        if (in.ok())
            canvas_.setPixel(dc_, p, dc_.color(color));
        break;
    }
    case TextOut:
    case ExtTextOut:
        textOut(in, function == ExtTextOut);
        break;
    case ExcludeClipRect:
    case IntersectClipRect: {
        const QRectF box = boxBRTL(in);
        if (!in.ok())
            break;
        if (function == ExcludeClipRect)
            canvas_.excludeClip(dc_, box);
        else
            canvas_.intersectClip(dc_, box);
        break;
    }
    case OffsetClipRgn: {
        const QPointF offset = pointYX(in);
        if (in.ok())
            canvas_.offsetClip(dc_, offset);
        break;
    }
    case SelectClipRegion: {
        const uint16_t index = in.u16();
        canvas_.combineClip(dc_, regionArea(index), Gdi::RgnCopy);
        break;
    }
    case FillRegion:
    case PaintRegion: {
        const uint16_t index = in.u16();
        const std::optional<QPainterPath> area = regionArea(index);
        const GdiBrush* brush = &dc_.brush;
        if (function == FillRegion) {
            const GdiObject* object = objects_.find(in.u16());
            brush = object ? std::get_if<GdiBrush>(object) : nullptr;
        }
        if (in.ok() && area && brush)
            canvas_.fillArea(dc_, *area, *brush);
        break;
    }
    case PatBlt: {
        const uint32_t rop = in.u32();
        const double h = in.i16();
        const double w = in.i16();
        const QPointF at = pointYX(in);
        if (in.ok())
            canvas_.blit(dc_, {}, {}, QRectF(at, QSizeF(w, h)), rop);
        break;
    }
    case BitBlt:
    case StretchBlt:
    case DibBitBlt:
    case DibStretchBlt:
    case StretchDib:
    case SetDibToDev:
        dibBlit(function, in, params);
        break;
    case SelectObject: {
        const uint16_t index = in.u16();
        if (const GdiObject* object = objects_.find(index)) {
            if (!dc_.select(*object) && std::holds_alternative<GdiRegion>(*object))
                canvas_.combineClip(dc_, regionArea(index), Gdi::RgnCopy);
        }
        break;
    }
    case SelectPalette:
        if (const GdiObject* object = objects_.find(in.u16()))
            dc_.select(*object);
        break;
    case DeleteObject:
        objects_.remove(in.u16());
        break;
    case CreatePenIndirect: {
        GdiPen pen;
        pen.style = in.u16();
        pen.width = std::abs(in.i16());
        in.i16();
        pen.color = dc_.color(in.u32());
        objects_.add(pen);
        break;
    }
    case CreateBrushIndirect: {
        GdiBrush brush;
        brush.style = in.u16();
        brush.color = dc_.color(in.u32());
        brush.hatch = in.u16();
        if (brush.style != Gdi::BsSolid && brush.style != Gdi::BsNull && brush.style != Gdi::BsHatched)
            brush.style = Gdi::BsSolid;
        objects_.add(brush);
        break;
    }
    case CreateFontIndirect:
        createFont(in);
        break;
    case CreatePalette: {
        in.u16();  // version
        const int count = in.u16();
        GdiPalette palette;
        for (int i = 0; i < count && in.has(4); ++i) {
            const uint8_t r = in.u8(), g = in.u8(), b = in.u8();
            in.u8();
            palette.colors.append(qRgb(r, g, b));
        }
        objects_.add(palette);
        break;
    }
    case CreateRegion:
        createRegion(in);
        break;
    case CreatePatternBrush:
    case DibCreatePatternBrush:
        createPatternBrush(function, in, params);
        break;
    default:
        // Records that change nothing we draw (palettes animation, escapes,
        // mapper flags) and those we do not know are passed over.
        break;
    }
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
    const bool counterclockwise = dc_.toDevice().determinant() > 0;
    const auto kind = function == Arc ? GdiShapes::ArcKind::Arc
        : function == Pie             ? GdiShapes::ArcKind::Pie
                                      : GdiShapes::ArcKind::Chord;
    const QPainterPath path = GdiShapes::arc(box, start, end, counterclockwise, kind);
    if (kind == GdiShapes::ArcKind::Arc)
        canvas_.drawOpen(dc_, path);
    else
        canvas_.drawClosed(dc_, path);
}

void WmfSession::textOut(ByteReader& in, bool extended)
{
    MetafileCanvas::TextRun run;
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
    canvas_.text(dc_, run);
}

void WmfSession::dibBlit(uint16_t function, ByteReader& in, QByteArrayView params)
{
    // A record without a bitmap is one word shorter per missing field and
    // is a pattern blit; the record size tells which form it is.
    const qsizetype withoutBitmap = qsizetype(function >> 8) * 2;
    const bool hasBitmap = params.size() > withoutBitmap;
    uint32_t rop = Gdi::SrcCopy;
    uint16_t usage = Gdi::DibRgbColors;
    QRectF source;
    QRectF dest;
    switch (function) {
    case StretchDib:
    case DibStretchBlt:
    case StretchBlt: {
        rop = in.u32();
        if (function == StretchDib)
            usage = in.u16();
        const double sh = in.i16(), sw = in.i16(), sy = in.i16(), sx = in.i16();
        if (!hasBitmap && function != StretchDib)
            in.i16();
        const double dh = in.i16(), dw = in.i16(), dy = in.i16(), dx = in.i16();
        source = QRectF(sx, sy, sw, sh);
        dest = QRectF(dx, dy, dw, dh);
        break;
    }
    case DibBitBlt:
    case BitBlt: {
        rop = in.u32();
        const double sy = in.i16(), sx = in.i16();
        if (!hasBitmap)
            in.i16();
        const double h = in.i16(), w = in.i16(), dy = in.i16(), dx = in.i16();
        source = QRectF(sx, sy, w, h);
        dest = QRectF(dx, dy, w, h);
        break;
    }
    case SetDibToDev: {
        usage = in.u16();
        in.u16();  // scan count
        in.u16();  // first scan
        const double sy = in.i16(), sx = in.i16(), h = in.i16(), w = in.i16(), dy = in.i16(), dx = in.i16();
        source = QRectF(sx, sy, w, h);
        dest = QRectF(dx, dy, w, h);
        break;
    }
    default:
        return;
    }
    if (!in.ok())
        return;
    if (!hasBitmap || function == BitBlt || function == StretchBlt) {
        // The old device-dependent bitmaps are not drawn; their pattern
        // blits are.
        if (!hasBitmap)
            canvas_.blit(dc_, {}, {}, dest, rop);
        return;
    }
    DibDecoder::Options options;
    options.paletteIndices = usage == Gdi::DibPalColors;
    options.palette = dc_.palette;
    options.rleSkipsTransparent = true;
    options.maxPixels = maxBitmapPixels;
    const QImage bitmap = DibDecoder::decodePacked(params.sliced(in.position()), options);
    if (bitmap.isNull())
        return;
    // Source rows count from the bottom of a bottom-up bitmap.
    canvas_.blit(dc_, bitmap, source, dest, rop);
}

void WmfSession::createFont(ByteReader& in)
{
    GdiFont font;
    font.height = in.i16();
    font.width = in.i16();
    font.escapement = in.i16();
    in.i16();  // orientation
    font.weight = in.i16();
    font.italic = in.u8();
    font.underline = in.u8();
    font.strikeOut = in.u8();
    font.charset = in.u8();
    in.skip(3);  // precision, clipping, quality
    font.pitchAndFamily = in.u8();
    QByteArray face;
    while (in.has(1) && face.size() < 32) {
        const char c = char(in.u8());
        if (c == 0)
            break;
        face.append(c);
    }
    font.face = Windows1252::decode(face);
    objects_.add(font);
}

void WmfSession::createPatternBrush(uint16_t function, ByteReader& in, QByteArrayView params)
{
    GdiBrush brush;
    brush.style = Gdi::BsPattern;
    if (function == DibCreatePatternBrush) {
        in.u16();  // style
        const uint16_t usage = in.u16();
        DibDecoder::Options options;
        options.paletteIndices = usage == Gdi::DibPalColors;
        options.palette = dc_.palette;
        if (in.ok())
            brush.pattern = DibDecoder::decodePacked(params.sliced(in.position()), options);
    } else {
        // A device-dependent bitmap: only the one-bit kind is portable.
        in.i16();
        const int width = in.i16();
        const int height = in.i16();
        const int widthBytes = in.i16();
        const int planes = in.u8();
        const int bits = in.u8();
        in.skip(18);
        if (in.ok() && planes == 1 && bits == 1 && width > 0 && height > 0 && width <= 64 && height <= 64
            && widthBytes * 8 >= width && in.has(qsizetype(widthBytes) * height)) {
            QImage pattern(width, height, QImage::Format_Mono);
            for (int y = 0; y < height; ++y) {
                const QByteArrayView row = in.block(widthBytes);
                const qsizetype n = std::min<qsizetype>(pattern.bytesPerLine(), row.size());
                if (n > 0)
                    std::memcpy(pattern.scanLine(y), row.data(), size_t(n));
            }
            brush.pattern = pattern;
            brush.monochrome = true;
        }
    }
    if (brush.pattern.isNull())
        brush.style = Gdi::BsSolid;
    else if (brush.pattern.depth() == 1)
        brush.monochrome = true;
    objects_.add(brush);
}

void WmfSession::createRegion(ByteReader& in)
{
    in.skip(10);  // chain, type, object count, size
    const int scans = in.i16();
    in.skip(10);  // largest scan, bounding box
    GdiRegion region;
    for (int s = 0; s < scans && in.ok(); ++s) {
        const int count = in.u16();
        const double top = in.u16();
        const double bottom = in.u16();
        if (!in.has(qsizetype(count) * 2 + 2))
            break;
        for (int i = 0; i + 1 < count; i += 2) {
            const double left = in.u16();
            const double right = in.u16();
            region.area.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
        }
        if (count % 2)
            in.u16();
        in.u16();  // count repeated
    }
    objects_.add(region);
}

std::optional<QPainterPath> WmfSession::regionArea(uint16_t index) const
{
    const GdiObject* object = objects_.find(index);
    const GdiRegion* region = object ? std::get_if<GdiRegion>(object) : nullptr;
    if (!region)
        return std::nullopt;
    return canvas_.mapping(dc_).map(region->area);
}

// Reads the placeable header, or for a plain metafile the window its
// records set up, to decide the picture's size.
bool frameOf(const QByteArray& bytes, qsizetype& recordsStart, Frame& frame)
{
    ByteReader in(bytes);
    if (in.u32() == placeableKey) {
        in.u16();
        const double l = in.i16(), t = in.i16(), r = in.i16(), b = in.i16();
        const double inch = in.u16();
        frame.bounds = GdiShapes::box(l, t, r, b);
        frame.unitsPerInch = inch == 0 ? 1440 : inch;
        frame.placeable = true;
        recordsStart = placeableSize;
        const double w = std::round(frame.bounds.width() * 96 / frame.unitsPerInch);
        const double h = std::round(frame.bounds.height() * 96 / frame.unitsPerInch);
        if (!ImageLimits::fits(int64_t(w), int64_t(h)))
            return false;
        frame.size = QSize(int(w), int(h));
        return true;
    }
    recordsStart = 0;
    // Plain metafile: the first window origin and extent give the bounds.
    ByteReader records(bytes, headerSize);
    QPointF origin;
    QSizeF extent;
    while (records.remaining() >= 6) {
        const qsizetype start = records.position();
        const uint32_t size = records.u32();
        const uint16_t function = records.u16();
        if (size < 3 || qsizetype(size) * 2 > bytes.size() - start || function == Eof)
            break;
        if (function == SetWindowOrg)
            origin = pointYX(records);
        else if (function == SetWindowExt && extent.isEmpty()) {
            const QPointF e = pointYX(records);
            extent = QSizeF(e.x(), e.y());
        }
        records.seek(start + qsizetype(size) * 2);
    }
    if (extent.width() == 0 || extent.height() == 0) {
        frame.measure = true;
        frame.size = QSize(measureSide, measureSide);
        return true;
    }
    frame.bounds = QRectF(origin, extent).normalized();
    const double longer = std::max(frame.bounds.width(), frame.bounds.height());
    const double scale = longer > plainMaxSide ? plainMaxSide / longer : 1.0;
    frame.unitsPerInch = 96 / scale;
    frame.size = QSize(std::max(1, int(std::round(frame.bounds.width() * scale))),
                       std::max(1, int(std::round(frame.bounds.height() * scale))));
    return true;
}

// The part of a measuring picture from its origin to the last drawn pixel.
QImage cropToDrawing(const QImage& image)
{
    int right = 0;
    int bottom = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                right = std::max(right, x + 1);
                bottom = y + 1;
            }
        }
    }
    if (right == 0 || bottom == 0)
        return {};
    return image.copy(0, 0, right, bottom);
}

}  // namespace

bool WmfPlayer::recognizes(QByteArrayView bytes)
{
    ByteReader in(bytes);
    const uint32_t key = in.u32();
    if (in.ok() && key == placeableKey)
        return true;
    ByteReader header(bytes);
    const uint16_t type = header.u16();
    const uint16_t size = header.u16();
    return header.ok() && (type == 1 || type == 2) && size == 9;
}

QImage WmfPlayer::render(const QByteArray& bytes)
{
    if (!recognizes(bytes))
        return {};
    Frame frame;
    qsizetype start = 0;
    if (!frameOf(bytes, start, frame) || frame.size.isEmpty() || (frame.bounds.isEmpty() && !frame.measure))
        return {};

    ByteReader header(bytes, start);
    const uint16_t type = header.u16();
    const uint16_t words = header.u16();
    header.u16();  // version
    const uint32_t declaredWords = header.u32();
    const uint16_t objectCount = header.u16();
    if (!header.ok() || (type != 1 && type != 2) || words != 9)
        return {};
    // A file shorter than its header says has lost its end.
    if (qsizetype(declaredWords) * 2 > bytes.size() - start)
        return {};

    QImage image(frame.size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    {
        WmfSession session(image, frame, objectCount);
        ByteReader records(bytes, start + headerSize);
        while (records.remaining() >= 6) {
            const qsizetype at = records.position();
            const uint32_t size = records.u32();
            const uint16_t function = records.u16();
            // A record must hold its own header and lie inside the file;
            // anything else is damage, and the picture is refused.
            if (!records.ok() || size < 3 || qsizetype(size) * 2 > bytes.size() - at)
                return {};
            if (function == Eof)
                break;
            const QByteArrayView params = QByteArrayView(bytes).sliced(at + 6, qsizetype(size) * 2 - 6);
            ByteReader in(params);
            session.play(function, in, params);
            records.seek(at + qsizetype(size) * 2);
        }
    }
    return frame.measure ? cropToDrawing(image) : image;
}
