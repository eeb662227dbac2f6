#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/EmfObjectRecords.h"
#include "platform/pictures/MetafilePlayback.h"

#include <QPainterPath>

#include <optional>

// The EMF records that use regions: FillRgn, FrameRgn, InvertRgn,
// PaintRgn and ExtSelectClipRgn. Each carries its region as RegionData,
// rectangles in device units.
class EmfRegionRecords {
public:
    EmfRegionRecords(MetafilePlayback& playback, const EmfObjectRecords& objects) : p_(playback), objects_(objects) {}

    void fill(uint32_t type, ByteReader& in);
    void selectClip(ByteReader& in);

private:
    // RegionData of `size` bytes in picture pixels; none when damaged.
    std::optional<QPainterPath> region(ByteReader& in, uint32_t size) const;

    MetafilePlayback& p_;
    const EmfObjectRecords& objects_;
};
