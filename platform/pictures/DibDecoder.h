#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QRgb>

#include "platform/pictures/ImageLimits.h"

// Decodes device-independent bitmaps: the pixel layout shared by .bmp files,
// icon and cursor images and the bitmaps inside metafiles. Handles the core
// and info headers (up to V5), 1, 2, 4, 8, 16, 24 and 32 bits per pixel,
// RLE4, RLE8, bit-field masks and embedded JPEG or PNG data. Every size and
// count is checked against the bytes present; a bitmap that does not fit its
// data gives a null image.
class DibDecoder {
public:
    struct Options {
        // In a metafile a bitmap may index the current logical palette
        // (DIB_PAL_COLORS) instead of carrying colours.
        bool paletteIndices = false;
        QList<QRgb> palette;
        // Pixels an RLE bitmap skips with a delta or an early end of line:
        // a blit leaves the destination alone there (transparent); a file
        // loaded as a picture shows the first colour of its table.
        bool rleSkipsTransparent = false;
        // Icons and cursors: the header height counts the colour rows and
        // the AND-mask rows that follow them; a 32-bit image carries alpha.
        bool icon = false;
        // Honour an alpha channel that the header declares with a mask.
        bool declaredAlpha = true;
        // Larger bitmaps are refused. RLE data can describe a huge bitmap
        // in a few bytes, so the data alone does not bound the size.
        int64_t maxPixels = ImageLimits::maxPixels;
    };

    // `info` starts with the header and holds the colour table; `bits` holds
    // the pixel rows (and, for icons, the AND mask after them).
    static QImage decode(QByteArrayView info, QByteArrayView bits, const Options& options);

    // A packed bitmap: header, colour table and rows one after the other.
    static QImage decodePacked(QByteArrayView dib, const Options& options);

    // Where the rows of a packed bitmap begin (header, masks and colour
    // table), or -1 when the header is unreadable.
    static qsizetype packedBitsOffset(QByteArrayView dib, const Options& options);

    // Width and height a header announces (height always positive), for
    // blits whose source rectangle must be checked against it.
    static QSize headerSize(QByteArrayView info);
};
