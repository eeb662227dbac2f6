#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/MetafilePlayback.h"

#include <QByteArrayView>
#include <QPainterPath>

#include <optional>

// The WMF records that create drawing objects (pens, brushes, pattern
// brushes, fonts, palettes and regions) into the lowest free slot of the
// object table, and the look-ups of objects by index for the records that
// use them.
class WmfObjectRecords {
public:
    explicit WmfObjectRecords(MetafilePlayback& playback) : p_(playback) {}

    void createPen(ByteReader& in);
    void createBrush(ByteReader& in);
    void createFont(ByteReader& in);
    void createPalette(ByteReader& in);
    // A region object (META_CREATEREGION): scans of rectangles, logical units.
    void createRegion(ByteReader& in);
    // META_CREATEPATTERNBRUSH (a one-bit device bitmap) and
    // META_DIBCREATEPATTERNBRUSH.
    void createPatternBrush(uint16_t function, ByteReader& in, QByteArrayView params);

    // The brush at `index`, or null when there is none.
    const GdiBrush* brush(uint16_t index) const;
    // The region at `index` in picture pixels, or none.
    std::optional<QPainterPath> regionArea(uint16_t index) const;

private:
    MetafilePlayback& p_;
};
