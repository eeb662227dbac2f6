#include "platform/pictures/Bitmap16.h"

#include <cstring>

bool Bitmap16::readHeader(ByteReader& in)
{
    in.i16();  // type
    width_ = in.i16();
    height_ = in.i16();
    widthBytes_ = in.i16();
    planes_ = in.u8();
    bitsPixel_ = in.u8();
    if (!in.ok() || planes_ != 1 || width_ <= 0 || height_ <= 0 || widthBytes_ <= 0)
        return false;
    switch (bitsPixel_) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return false;
    }
    return int64_t(widthBytes_) * 8 >= int64_t(width_) * bitsPixel_;
}

QList<QRgb> Bitmap16::vgaPalette()
{
    return {qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QImage Bitmap16::decode(QByteArrayView bits, const QList<QRgb>& palette, int64_t maxPixels) const
{
    if (int64_t(width_) * height_ > maxPixels || int64_t(widthBytes_) * height_ > bits.size())
        return {};
    const auto row = [&](int y) { return reinterpret_cast<const uint8_t*>(bits.data()) + qsizetype(widthBytes_) * y; };
    if (bitsPixel_ == 1) {
        QImage image(width_, height_, QImage::Format_Mono);
        if (image.isNull())
            return {};
        image.setColorCount(2);
        image.setColor(0, qRgb(0, 0, 0));
        image.setColor(1, qRgb(255, 255, 255));
        const size_t n = size_t(std::min<qsizetype>(image.bytesPerLine(), widthBytes_));
        for (int y = 0; y < height_; ++y)
            std::memcpy(image.scanLine(y), row(y), n);
        return image;
    }
    QImage image(width_, height_, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto lookUp = [&](int index) { return index < palette.size() ? palette[index] : qRgb(0, 0, 0); };
    for (int y = 0; y < height_; ++y) {
        const uint8_t* src = row(y);
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width_; ++x) {
            switch (bitsPixel_) {
            case 4:
                line[x] = lookUp(x % 2 == 0 ? src[x / 2] >> 4 : src[x / 2] & 0x0f);
                break;
            case 8:
                line[x] = lookUp(src[x]);
                break;
            case 16: {
                const int p = src[2 * x] | src[2 * x + 1] << 8;
                line[x] = qRgb((p >> 10 & 31) * 255 / 31, (p >> 5 & 31) * 255 / 31, (p & 31) * 255 / 31);
                break;
            }
            case 24:
                line[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            default:
                line[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
                break;
            }
        }
    }
    return image;
}
