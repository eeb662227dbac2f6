#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/EmfBitmapRecords.h"
#include "platform/pictures/MetafilePlayback.h"

#include <QByteArrayView>

// The EMF records that create drawing objects (pens, brushes, pattern
// brushes, fonts, palettes) in the slot of the object table they name,
// and the selection of objects and stock objects by handle.
class EmfObjectRecords {
public:
    EmfObjectRecords(MetafilePlayback& playback, const EmfBitmapRecords& bitmaps) : p_(playback), bitmaps_(bitmaps) {}

    void createPen(ByteReader& in);
    void extCreatePen(ByteReader& in);
    void createBrush(ByteReader& in);
    void createPatternBrush(uint32_t type, ByteReader& in, QByteArrayView record);
    void createPalette(ByteReader& in);
    void createFont(ByteReader& in);

    void select(uint32_t handle);
    // The brush a handle names, stock brushes included, or null.
    const GdiBrush* brush(uint32_t handle, GdiBrush& stock) const;

private:
    MetafilePlayback& p_;
    const EmfBitmapRecords& bitmaps_;
};
