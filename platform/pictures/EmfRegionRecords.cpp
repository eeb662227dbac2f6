#include "platform/pictures/EmfRegionRecords.h"

#include "platform/pictures/EmfRecords.h"

using namespace EmfRecords;

namespace {

constexpr uint32_t regionHeaderSize = 32;

}  // namespace

void EmfRegionRecords::fill(uint32_t type, ByteReader& in)
{
    in.skip(16);  // bounds
    const uint32_t size = in.u32();
    const GdiBrush* brush = &p_.dc.brush;
    GdiBrush stock;
    if (type == FillRgn || type == FrameRgn)
        brush = objects_.brush(in.u32(), stock);
    double width = 0, height = 0;
    if (type == FrameRgn) {
        width = in.i32();
        height = in.i32();
    }
    const std::optional<QPainterPath> area = region(in, size);
    if (!in.ok())
        return;
    switch (type) {
    case FrameRgn:
        p_.frameRegion(area, brush, width, height);
        break;
    case InvertRgn:
        p_.invertRegion(area);
        break;
    default:
        p_.fillRegion(area, brush);
        break;
    }
}

void EmfRegionRecords::selectClip(ByteReader& in)
{
    const uint32_t size = in.u32();
    const int mode = int(in.u32());
    if (!in.ok())
        return;
    p_.canvas.combineClip(p_.dc, size == 0 ? std::nullopt : region(in, size), mode);
}

std::optional<QPainterPath> EmfRegionRecords::region(ByteReader& in, uint32_t size) const
{
    const qsizetype start = in.position();
    const uint32_t headerSize = in.u32();
    in.u32();  // type
    const uint32_t count = in.u32();
    in.u32();
    in.skip(16);
    if (!in.ok() || headerSize < regionHeaderSize || size < headerSize || !in.has(qsizetype(count) * 16)
        || qsizetype(count) * 16 > qsizetype(size) - headerSize)
        return std::nullopt;
    in.seek(start + headerSize);
    QPainterPath area;
    for (uint32_t i = 0; i < count; ++i)
        area.addRect(readBox(in));
    // Region rectangles are in device units.
    return p_.canvas.outer().map(area);
}
