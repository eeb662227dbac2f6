#pragma once

#include "platform/pictures/ByteReader.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRgb>

#include <cstdint>

// The device-dependent bitmaps (Bitmap16) that old WMF blit and pattern
// records carry: a header of width, height, bytes per row, planes and
// bits per pixel, then rows from the top, each padded to a 16-bit word.
// Only single-plane bitmaps are read; their colours were the device's, so
// a one-bit bitmap comes back with two entries (0 and 1) for the caller to
// colour, 4 and 8-bit ones look up `palette`, and deeper ones are BGR.
class Bitmap16 {
public:
    // Reads the header (type, width, height, width bytes, planes, bits per
    // pixel); false when it is cut short or describes no bitmap we read.
    bool readHeader(ByteReader& in);

    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bitsPixel_; }
    bool monochrome() const { return bitsPixel_ == 1; }

    // The rows from `bits`, or a null image when they are not all there or
    // the bitmap is larger than `maxPixels`. A one-bit bitmap comes back as
    // Format_Mono.
    QImage decode(QByteArrayView bits, const QList<QRgb>& palette, int64_t maxPixels) const;

    // The 16 colours of the VGA palette, for 4-bit bitmaps without one.
    static QList<QRgb> vgaPalette();

private:
    int width_ = 0;
    int height_ = 0;
    int widthBytes_ = 0;
    int planes_ = 0;
    int bitsPixel_ = 0;
};
