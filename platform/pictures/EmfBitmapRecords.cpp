#include "platform/pictures/EmfBitmapRecords.h"

#include "platform/pictures/EmfRecords.h"

#include <cmath>

using namespace EmfRecords;

namespace {

// Where a MaskBlt's mask is clear its background operation applies; the
// one we draw is "leave the destination" (the high byte of the operation).
constexpr uint32_t backgroundKeepsDestination = 0xAA;

bool bottomUp(QByteArrayView info)
{
    ByteReader in(info);
    const uint32_t size = in.u32();
    if (size == 12)
        return true;
    in.skip(4);
    return in.i32() >= 0;
}

EmfBitmapRecords::Placement readPlacement(ByteReader& in, bool usageFirst)
{
    EmfBitmapRecords::Placement p;
    if (usageFirst)
        p.usage = in.u32();
    p.offInfo = in.u32(), p.sizeInfo = in.u32(), p.offBits = in.u32(), p.sizeBits = in.u32();
    if (!usageFirst)
        p.usage = in.u32();
    return p;
}

// The constant and per-pixel alpha of an AlphaBlend, whose operation field
// holds the blend: constant alpha in its third byte, a per-pixel alpha flag
// in its fourth.
QImage blended(const QImage& image, uint32_t blend)
{
    const int constant = int((blend >> 16) & 0xff);
    const bool perPixel = (blend >> 24) & 1;
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const int a = (perPixel ? qAlpha(line[x]) : 255) * constant / 255;
            line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), a);
        }
    }
    return result;
}

// A TransparentBlt's source with its key colour made transparent.
QImage keyed(const QImage& image, QRgb key)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0x00ffffffu) == (key & 0x00ffffffu))
                line[x] = 0;
        }
    }
    return result;
}

}  // namespace

QImage EmfBitmapRecords::bitmap(QByteArrayView record, const Placement& p, bool& upward) const
{
    if (p.sizeInfo == 0 || p.offInfo > record.size() || p.sizeInfo > record.size() - p.offInfo
        || p.offBits > record.size() || p.sizeBits > record.size() - p.offBits)
        return {};
    const QByteArrayView info = record.sliced(p.offInfo, p.sizeInfo);
    upward = bottomUp(info);
    return DibDecoder::decode(info, record.sliced(p.offBits, p.sizeBits), p_.bitmapOptions(p.usage));
}

bool EmfBitmapRecords::applyMask(ByteReader& in, QByteArrayView record, QPointF sourceOrigin, QImage& source) const
{
    const QPointF maskOrigin = readPoint(in, false);
    const Placement placement = readPlacement(in, true);
    if (!in.ok())
        return false;
    if (placement.sizeInfo == 0)
        return true;  // no mask
    bool upward = false;
    const QImage mask = bitmap(record, placement, upward);
    if (mask.isNull())
        return false;
    source = source.convertToFormat(QImage::Format_ARGB32);
    // Offsets beyond any bitmap's size all mean "no mask bit there".
    const int dx = int(std::clamp(maskOrigin.x() - sourceOrigin.x(), -1e8, 1e8));
    const int dy = int(std::clamp(maskOrigin.y() - sourceOrigin.y(), -1e8, 1e8));
    for (int y = 0; y < source.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(source.scanLine(y));
        const int my = y + dy;
        for (int x = 0; x < source.width(); ++x) {
            const int mx = x + dx;
            const bool set = mx >= 0 && my >= 0 && mx < mask.width() && my < mask.height()
                && qGray(mask.pixel(mx, my)) > 127;
            if (!set)
                line[x] = 0;
        }
    }
    return true;
}

void EmfBitmapRecords::blit(uint32_t type, ByteReader& in, QByteArrayView record)
{
    in.skip(16);  // bounds
    QRectF dest, source;
    uint32_t rop = Gdi::SrcCopy;
    Placement placement;
    bool dibOrigin = false;  // source y counted from the bottom of a bottom-up bitmap
    if (type == StretchDiBits || type == SetDiBitsToDevice) {
        const QPointF d = readPoint(in, false);
        const QPointF s = readPoint(in, false);
        const QPointF size = readPoint(in, false);
        placement = readPlacement(in, false);
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
        placement = readPlacement(in, true);
        if (type != BitBlt && type != MaskBlt) {
            const QPointF sourceSize = readPoint(in, false);
            source.setSize(QSizeF(sourceSize.x(), sourceSize.y()));
        }
    }
    if (!in.ok())
        return;
    bool upward = false;
    QImage image = bitmap(record, placement, upward);
    if (type == MaskBlt) {
        // The foreground operation applies where the mask is set; where it
        // is clear only "leave the destination" is honoured, and other
        // background operations are drawn as the foreground one.
        const bool keep = (rop >> 24) == backgroundKeepsDestination;
        rop &= 0x00ffffffu;
        if (!image.isNull() && keep && !applyMask(in, record, source.topLeft(), image))
            return;
    }
    if (image.isNull()) {
        if (placement.sizeInfo == 0 && (type == BitBlt || type == StretchBlt || type == MaskBlt))
            p_.canvas.blit(p_.dc, {}, {}, dest, rop);
        return;
    }
    if (dibOrigin && upward)
        source.moveTop(image.height() - source.top() - source.height());
    if (type == AlphaBlend) {
        image = blended(image, rop);
        rop = Gdi::SrcCopy;
    } else if (type == TransparentBlt) {
        image = keyed(image, p_.dc.color(rop).rgb());
        rop = Gdi::SrcCopy;
    }
    p_.canvas.blit(p_.dc, image, source, dest, rop);
}

void EmfBitmapRecords::plgBlt(ByteReader& in, QByteArrayView record)
{
    in.skip(16);  // bounds
    QPolygonF corners;
    for (int i = 0; i < 3; ++i)
        corners.append(readPoint(in, false));
    const QPointF origin = readPoint(in, false);
    const QPointF size = readPoint(in, false);
    in.skip(24 + 4);  // source transform, background colour
    const Placement placement = readPlacement(in, true);
    if (!in.ok())
        return;
    bool upward = false;
    QImage image = bitmap(record, placement, upward);
    if (image.isNull() || !applyMask(in, record, origin, image))
        return;
    p_.canvas.blitParallelogram(p_.dc, image, QRectF(origin, QSizeF(size.x(), size.y())), corners);
}
