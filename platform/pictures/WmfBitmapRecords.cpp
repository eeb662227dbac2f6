#include "platform/pictures/WmfBitmapRecords.h"

#include "platform/pictures/Bitmap16.h"
#include "platform/pictures/WmfRecords.h"

using namespace WmfRecords;

void WmfBitmapRecords::blit(uint16_t function, ByteReader& in, QByteArrayView params)
{
    // A record without a bitmap is one word shorter per missing field and
    // is a pattern blit; the record size tells which form it is.
    const qsizetype withoutBitmap = qsizetype(function >> 8) * 2;
    const bool hasBitmap = params.size() > withoutBitmap;
    uint32_t rop = Gdi::SrcCopy;
    uint16_t usage = Gdi::DibRgbColors;
    QRectF source;
    QRectF dest;
    switch (function) {
    case StretchDib:
    case DibStretchBlt:
    case StretchBlt: {
        rop = in.u32();
        if (function == StretchDib)
            usage = in.u16();
        const double sh = in.i16(), sw = in.i16(), sy = in.i16(), sx = in.i16();
        if (!hasBitmap && function != StretchDib)
            in.i16();
        const double dh = in.i16(), dw = in.i16(), dy = in.i16(), dx = in.i16();
        source = QRectF(sx, sy, sw, sh);
        dest = QRectF(dx, dy, dw, dh);
        break;
    }
    case DibBitBlt:
    case BitBlt: {
        rop = in.u32();
        const double sy = in.i16(), sx = in.i16();
        if (!hasBitmap)
            in.i16();
        const double h = in.i16(), w = in.i16(), dy = in.i16(), dx = in.i16();
        source = QRectF(sx, sy, w, h);
        dest = QRectF(dx, dy, w, h);
        break;
    }
    case SetDibToDev: {
        usage = in.u16();
        in.u16();  // scan count
        in.u16();  // first scan
        const double sy = in.i16(), sx = in.i16(), h = in.i16(), w = in.i16(), dy = in.i16(), dx = in.i16();
        source = QRectF(sx, sy, w, h);
        dest = QRectF(dx, dy, w, h);
        break;
    }
    default:
        return;
    }
    if (!in.ok())
        return;
    if (!hasBitmap) {
        p_.canvas.blit(p_.dc, {}, {}, dest, rop);
        return;
    }
    const QByteArrayView bitmapBytes = params.sliced(in.position());
    const QImage bitmap = function == BitBlt || function == StretchBlt
        ? deviceBitmap(bitmapBytes)
        : DibDecoder::decodePacked(bitmapBytes, p_.bitmapOptions(usage));
    if (bitmap.isNull())
        return;
    // Source rows count from the bottom of a bottom-up bitmap.
    p_.canvas.blit(p_.dc, bitmap, source, dest, rop);
}

QImage WmfBitmapRecords::deviceBitmap(QByteArrayView bytes) const
{
    ByteReader in(bytes);
    Bitmap16 bitmap;
    if (!bitmap.readHeader(in))
        return {};
    const DibDecoder::Options limits = p_.bitmapOptions(Gdi::DibRgbColors);
    // The device's colours are long gone: 4-bit bitmaps take the VGA
    // palette, 8-bit ones the logical palette selected.
    const QList<QRgb> palette = bitmap.bitsPerPixel() == 8 && !p_.dc.palette.isEmpty() ? p_.dc.palette
                                                                                       : Bitmap16::vgaPalette();
    QImage image = bitmap.decode(bytes.sliced(in.position()), palette, limits.maxPixels);
    if (image.isNull() || !bitmap.monochrome())
        return image;
    image.setColor(0, p_.dc.textColor.rgb());
    image.setColor(1, p_.dc.bkColor.rgb());
    return image;
}
