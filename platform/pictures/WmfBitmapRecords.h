#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/MetafilePlayback.h"

#include <QByteArrayView>
#include <QImage>

// The WMF records that copy bitmaps: BitBlt and StretchBlt with an old
// device-dependent bitmap, their DIB forms, StretchDIBits and
// SetDIBitsToDevice, and the pattern blits of records without a bitmap.
class WmfBitmapRecords {
public:
    explicit WmfBitmapRecords(MetafilePlayback& playback) : p_(playback) {}

    void blit(uint16_t function, ByteReader& in, QByteArrayView params);

private:
    // A Bitmap16 as a blit draws it: one-bit bitmaps take the text colour
    // for 0 and the background colour for 1.
    QImage deviceBitmap(QByteArrayView bytes) const;

    MetafilePlayback& p_;
};
