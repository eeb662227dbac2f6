#include "platform/pictures/WmfObjectRecords.h"

#include "platform/pictures/Bitmap16.h"
#include "platform/pictures/LogObjects.h"
#include "platform/pictures/WmfRecords.h"

namespace {

// A pattern brush's device bitmap is at most this many pixels on a side;
// the system used only the top left 8 x 8.
constexpr int maxPatternSide = 64;

}  // namespace

void WmfObjectRecords::createPen(ByteReader& in)
{
    const uint16_t style = in.u16();
    const double width = in.i16();
    in.i16();
    const uint32_t color = in.u32();
    p_.objects.add(LogObjects::pen(style, width, p_.dc.color(color)));
}

void WmfObjectRecords::createBrush(ByteReader& in)
{
    const uint16_t style = in.u16();
    const uint32_t color = in.u32();
    const uint16_t hatch = in.u16();
    p_.objects.add(LogObjects::brush(style, p_.dc.color(color), hatch));
}

void WmfObjectRecords::createFont(ByteReader& in)
{
    p_.objects.add(LogObjects::font(in, LogObjects::Fields::Short));
}

void WmfObjectRecords::createPalette(ByteReader& in)
{
    p_.objects.add(LogObjects::palette(in));
}

void WmfObjectRecords::createPatternBrush(uint16_t function, ByteReader& in, QByteArrayView params)
{
    GdiBrush brush;
    brush.style = Gdi::BsPattern;
    if (function == WmfRecords::DibCreatePatternBrush) {
        in.u16();  // style
        const uint16_t usage = in.u16();
        DibDecoder::Options options;
        options.paletteIndices = usage == Gdi::DibPalColors;
        options.palette = p_.dc.palette;
        if (in.ok())
            brush.pattern = DibDecoder::decodePacked(params.sliced(in.position()), options);
    } else {
        // A device-dependent bitmap: only the one-bit kind is portable.
        Bitmap16 bitmap;
        if (bitmap.readHeader(in) && bitmap.monochrome() && bitmap.width() <= maxPatternSide
            && bitmap.height() <= maxPatternSide) {
            in.skip(18);  // reserved
            if (in.ok())
                brush.pattern = bitmap.decode(params.sliced(in.position()), {}, maxPatternSide * maxPatternSide);
        }
    }
    if (brush.pattern.isNull())
        brush.style = Gdi::BsSolid;
    else if (brush.pattern.depth() == 1)
        brush.monochrome = true;
    p_.objects.add(brush);
}

void WmfObjectRecords::createRegion(ByteReader& in)
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
    p_.objects.add(region);
}

const GdiBrush* WmfObjectRecords::brush(uint16_t index) const
{
    const GdiObject* object = p_.objects.find(index);
    return object ? std::get_if<GdiBrush>(object) : nullptr;
}

std::optional<QPainterPath> WmfObjectRecords::regionArea(uint16_t index) const
{
    const GdiObject* object = p_.objects.find(index);
    const GdiRegion* region = object ? std::get_if<GdiRegion>(object) : nullptr;
    if (!region)
        return std::nullopt;
    return p_.canvas.mapping(p_.dc).map(region->area);
}
