#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/MetafilePlayback.h"

#include <QByteArrayView>
#include <QImage>

// The EMF records that copy bitmaps: BitBlt, StretchBlt, MaskBlt, PlgBlt,
// StretchDIBits, SetDIBitsToDevice, AlphaBlend and TransparentBlt, and the
// bitmaps that records carry at offsets of their own.
class EmfBitmapRecords {
public:
    explicit EmfBitmapRecords(MetafilePlayback& playback) : p_(playback) {}

    // Where a record keeps a bitmap: header and colour table, then rows.
    struct Placement {
        uint32_t offInfo = 0;
        uint32_t sizeInfo = 0;
        uint32_t offBits = 0;
        uint32_t sizeBits = 0;
        uint32_t usage = 0;
    };
    // The bitmap, null when the record does not hold it whole. `upward`
    // tells whether its rows were stored bottom-up.
    QImage bitmap(QByteArrayView record, const Placement& placement, bool& upward) const;

    void blit(uint32_t type, ByteReader& in, QByteArrayView record);
    void plgBlt(ByteReader& in, QByteArrayView record);

private:
    // The mask of MaskBlt and PlgBlt, read after the source's fields: where
    // its bits are clear the source is made transparent. False when the
    // record names a mask that it does not hold.
    bool applyMask(ByteReader& in, QByteArrayView record, QPointF sourceOrigin, QImage& source) const;

    MetafilePlayback& p_;
};
