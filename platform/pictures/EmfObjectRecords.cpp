#include "platform/pictures/EmfObjectRecords.h"

#include "platform/pictures/EmfRecords.h"
#include "platform/pictures/LogObjects.h"
#include "platform/pictures/StockObjects.h"

using namespace EmfRecords;

namespace {

constexpr uint32_t maxDashes = 32;

}  // namespace

void EmfObjectRecords::createPen(ByteReader& in)
{
    const uint32_t handle = in.u32();
    const uint32_t style = in.u32();
    const double width = in.i32();
    in.i32();
    const uint32_t color = in.u32();
    if (in.ok())
        p_.objects.put(handle, LogObjects::pen(style, width, p_.dc.color(color)));
}

void EmfObjectRecords::extCreatePen(ByteReader& in)
{
    const uint32_t handle = in.u32();
    in.skip(16);  // brush bitmap offsets and sizes
    GdiPen pen;
    pen.style = in.u32();
    pen.width = in.u32();
    const uint32_t brushStyle = in.u32();
    pen.color = p_.dc.color(in.u32());
    in.u32();  // hatch
    const uint32_t entries = in.u32();
    if (!in.ok())
        return;
    if (brushStyle == Gdi::BsNull)
        pen.style = (pen.style & ~uint32_t(Gdi::PsStyleMask)) | Gdi::PsNull;
    for (uint32_t i = 0; i < entries && i < maxDashes && in.has(4); ++i)
        pen.dashes.append(in.u32());
    p_.objects.put(handle, pen);
}

void EmfObjectRecords::createBrush(ByteReader& in)
{
    const uint32_t handle = in.u32();
    const uint32_t style = in.u32();
    const uint32_t color = in.u32();
    const uint32_t hatch = in.u32();
    if (in.ok())
        p_.objects.put(handle, LogObjects::brush(style, p_.dc.color(color), hatch));
}

void EmfObjectRecords::createPatternBrush(uint32_t type, ByteReader& in, QByteArrayView record)
{
    const uint32_t handle = in.u32();
    const uint32_t usage = in.u32();
    const uint32_t offInfo = in.u32(), sizeInfo = in.u32(), offBits = in.u32(), sizeBits = in.u32();
    if (!in.ok())
        return;
    GdiBrush brush;
    brush.style = Gdi::BsDibPatternPt;
    bool upward = false;
    brush.pattern = bitmaps_.bitmap(record, {offInfo, sizeInfo, offBits, sizeBits, usage}, upward);
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
    p_.objects.put(handle, brush);
}

void EmfObjectRecords::createPalette(ByteReader& in)
{
    const uint32_t handle = in.u32();
    p_.objects.put(handle, LogObjects::palette(in));
}

void EmfObjectRecords::createFont(ByteReader& in)
{
    const uint32_t handle = in.u32();
    p_.objects.put(handle, LogObjects::font(in, LogObjects::Fields::Long));
}

void EmfObjectRecords::select(uint32_t handle)
{
    if (handle & stockFlag) {
        p_.dc.select(StockObjects::object(handle & ~stockFlag));
        return;
    }
    if (const GdiObject* object = p_.objects.find(handle))
        p_.dc.select(*object);
}

const GdiBrush* EmfObjectRecords::brush(uint32_t handle, GdiBrush& stock) const
{
    if (handle & stockFlag) {
        const GdiObject object = StockObjects::object(handle & ~stockFlag);
        stock = std::holds_alternative<GdiBrush>(object) ? std::get<GdiBrush>(object) : GdiBrush{};
        return &stock;
    }
    const GdiObject* object = p_.objects.find(handle);
    return object ? std::get_if<GdiBrush>(object) : nullptr;
}
