#include "platform/pictures/DibDecoder.h"

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/ImageLimits.h"

#include <array>
#include <bit>
#include <algorithm>

namespace {

enum Compression : uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, Jpeg = 4, Png = 5, AlphaBitFields = 6 };

constexpr uint32_t coreHeaderSize = 12;
constexpr uint32_t infoHeaderSize = 40;
constexpr uint32_t os2HeaderSize = 64;

struct Header {
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0;  // rows of colour data, always positive
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = Rgb;
    uint32_t colorsUsed = 0;
    std::array<uint32_t, 4> masks{};  // red, green, blue, alpha
    bool hasMasks = false;
    qsizetype colorTableOffset = 0;
    int colorEntrySize = 4;
    int colorCount = 0;
};

// One colour channel of a 16- or 32-bit pixel, described by its mask.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m = 0) : mask(m)
    {
        if (m == 0)
            return;
        shift = std::countr_zero(m);
        max = m >> shift;
        // Wider than 8 bits: keep the top 8 so the scaling cannot overflow.
        while (max > 0xffff) {
            max >>= 1;
            ++shift;
        }
    }
    int value(uint32_t pixel) const
    {
        if (max == 0)
            return 0;
        const uint32_t v = (pixel >> shift) & max;
        return int((v * 255 + max / 2) / max);
    }
};

bool parseHeader(QByteArrayView info, const DibDecoder::Options& options, Header& h)
{
    ByteReader in(info);
    h.size = in.u32();
    if (!in.ok() || h.size < coreHeaderSize || h.size > uint32_t(info.size()))
        return false;
    if (h.size == coreHeaderSize) {
        h.width = in.u16();
        h.height = in.u16();
        in.u16();  // planes
        h.bitCount = in.u16();
        h.colorEntrySize = 3;
    } else {
        if (h.size < 16)
            return false;
        h.width = in.i32();
        const int32_t height = in.i32();
        in.u16();
        h.bitCount = in.u16();
        if (h.size >= 20)
            h.compression = in.u32();
        if (h.size >= 36) {
            in.skip(12);  // image size, resolution
            h.colorsUsed = in.u32();
        }
        h.topDown = height < 0;
        h.height = height < 0 ? -int64_t(height) : height;
        // OS/2 2.x headers reuse 3 and 4 for Huffman and RLE24, which no
        // Windows program wrote; refuse rather than misread them.
        if (h.size == os2HeaderSize && (h.compression == BitFields || h.compression == Jpeg))
            return false;
    }
    if (!in.ok())
        return false;

    qsizetype tableOffset = h.size;
    if (h.compression == BitFields || h.compression == AlphaBitFields) {
        const int maskCount = h.compression == AlphaBitFields ? 4 : 3;
        // Info headers keep the masks after themselves; V2 and later inside.
        const qsizetype maskOffset = infoHeaderSize;
        ByteReader masks(info, maskOffset);
        for (int i = 0; i < maskCount; ++i)
            h.masks[i] = masks.u32();
        if (h.size == infoHeaderSize)
            tableOffset += 4 * maskCount;
        if (!masks.ok())
            return false;
        h.hasMasks = true;
    }
    if (h.size >= 56 && h.compression == BitFields && options.declaredAlpha) {
        ByteReader alpha(info, 52);
        h.masks[3] = alpha.u32();
    }
    if (h.compression == Rgb && h.bitCount == 32 && h.size >= 56 && options.declaredAlpha) {
        ByteReader alpha(info, 52);
        const uint32_t mask = alpha.u32();
        if (mask != 0) {
            h.masks = {0x00ff0000u, 0x0000ff00u, 0x000000ffu, mask};
            h.hasMasks = true;
        }
    }
    if (h.compression == AlphaBitFields)
        h.compression = BitFields;

    if (h.bitCount <= 8) {
        const uint32_t full = 1u << h.bitCount;
        h.colorCount = int(h.colorsUsed == 0 || h.colorsUsed > full ? full : h.colorsUsed);
    } else {
        // A table before true-colour rows only matters for finding the rows.
        h.colorCount = int(std::min<uint32_t>(h.colorsUsed, 1u << 16));
    }
    h.colorTableOffset = tableOffset;
    if (options.icon)
        h.height /= 2;
    return true;
}

bool supportedDepth(const Header& h)
{
    switch (h.compression) {
    case Rgb:
        return h.bitCount == 1 || h.bitCount == 2 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16
            || h.bitCount == 24 || h.bitCount == 32;
    case Rle8:
        return h.bitCount == 8;
    case Rle4:
        return h.bitCount == 4;
    case BitFields:
        return h.bitCount == 16 || h.bitCount == 32;
    case Jpeg:
    case Png:
        return true;
    default:
        return false;
    }
}

qsizetype tableBytes(const Header& h, const DibDecoder::Options& options)
{
    const int entry = options.paletteIndices && h.bitCount <= 8 ? 2 : h.colorEntrySize;
    return qsizetype(h.colorCount) * entry;
}

QList<QRgb> readColorTable(QByteArrayView info, const Header& h, const DibDecoder::Options& options)
{
    QList<QRgb> colors;
    if (h.bitCount > 8)
        return colors;
    ByteReader in(info, h.colorTableOffset);
    const int available = int(std::min<qsizetype>(h.colorCount, in.remaining() / (options.paletteIndices ? 2 : h.colorEntrySize)));
    colors.reserve(1 << h.bitCount);
    for (int i = 0; i < available; ++i) {
        if (options.paletteIndices) {
            const uint16_t index = in.u16();
            colors.append(index < options.palette.size() ? options.palette[index] : qRgb(0, 0, 0));
        } else {
            const uint8_t b = in.u8();
            const uint8_t g = in.u8();
            const uint8_t r = in.u8();
            if (h.colorEntrySize == 4)
                in.u8();
            colors.append(qRgb(r, g, b));
        }
    }
    // Indices past a short table show black, as the system drew them.
    while (colors.size() < (1 << h.bitCount))
        colors.append(qRgb(0, 0, 0));
    return colors;
}

qsizetype rowStride(const Header& h)
{
    return ((h.width * h.bitCount + 31) / 32) * 4;
}

// RLE rows decoded straight into `image`, which holds the colour of skipped
// pixels everywhere beforehand. The data alone does not bound the picture's
// size, so no buffer the size of the picture is made besides the picture.
void decodeRle(QByteArrayView bits, const Header& h, const QList<QRgb>& colors, QImage& image)
{
    const int64_t w = h.width;
    const int64_t rows = h.height;
    uchar* const pixels = image.bits();
    const qsizetype stride = image.bytesPerLine();
    ByteReader in(bits);
    int64_t x = 0;
    int64_t y = 0;  // counted from the bottom row
    const bool four = h.compression == Rle4;
    QRgb* line = nullptr;
    auto startLine = [&] {
        line = y < rows ? reinterpret_cast<QRgb*>(pixels + (h.topDown ? y : rows - 1 - y) * stride) : nullptr;
    };
    startLine();
    // Colour tables have an entry for every index of the depth.
    auto put = [&](int64_t px, int value) {
        if (px < w && line)
            line[px] = colors[value];
    };
    while (in.remaining() >= 2 && y < rows) {
        const uint8_t count = in.u8();
        const uint8_t value = in.u8();
        if (count > 0) {
            if (four) {
                for (int i = 0; i < count; ++i)
                    put(x + i, i % 2 == 0 ? value >> 4 : value & 0x0f);
            } else if (line && x < w) {
                std::fill_n(line + x, std::min<int64_t>(count, w - x), colors[value]);
            }
            x += count;
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
            startLine();
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            x += in.u8();
            const uint8_t up = in.u8();
            if (up != 0) {
                y += up;
                startLine();
            }
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const int n = value;
            const qsizetype bytes = four ? (n + 1) / 2 : n;
            const QByteArrayView run = in.block(bytes);
            if (!in.ok())
                break;
            for (int i = 0; i < n; ++i) {
                const uint8_t b = uint8_t(run[four ? i / 2 : i]);
                put(x + i, four ? (i % 2 == 0 ? b >> 4 : b & 0x0f) : b);
            }
            x += n;
            if (bytes % 2)
                in.skip(1);
        }
    }
}

QImage decodeEmbedded(QByteArrayView bits, const Header& h)
{
    if (h.compression == Png && !ImageLimits::pngChunksFit(bits))
        return {};
    QImage image = QImage::fromData(bits, h.compression == Png ? "PNG" : "JPEG");
    if (image.isNull() || !ImageLimits::fits(image.width(), image.height()))
        return {};
    return image;
}

void applyIconMask(QImage& image, QByteArrayView mask, bool hasAlpha)
{
    const int w = image.width();
    const int h = image.height();
    const qsizetype stride = ((qsizetype(w) + 31) / 32) * 4;
    if (hasAlpha || mask.size() < stride * h)
        return;
    for (int row = 0; row < h; ++row) {
        const char* m = mask.data() + stride * (h - 1 - row);
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int x = 0; x < w; ++x) {
            if (!((uint8_t(m[x / 8]) >> (7 - x % 8)) & 1))
                continue;
            // AND bit set: the screen shows through where the colour is
            // black; elsewhere the screen was inverted, which a picture
            // cannot do, so such pixels are drawn black.
            line[x] = (line[x] & 0x00ffffff) == 0 ? 0u : qRgba(0, 0, 0, 255);
        }
    }
}

}  // namespace

QSize DibDecoder::headerSize(QByteArrayView info)
{
    Header h;
    if (!parseHeader(info, {}, h))
        return {};
    return QSize(int(std::min<int64_t>(h.width, INT32_MAX)), int(std::min<int64_t>(h.height, INT32_MAX)));
}

qsizetype DibDecoder::packedBitsOffset(QByteArrayView dib, const Options& options)
{
    Header h;
    if (!parseHeader(dib, options, h))
        return -1;
    const qsizetype offset = h.colorTableOffset + tableBytes(h, options);
    return offset <= dib.size() ? offset : -1;
}

QImage DibDecoder::decodePacked(QByteArrayView dib, const Options& options)
{
    const qsizetype offset = packedBitsOffset(dib, options);
    if (offset < 0)
        return {};
    return decode(dib, dib.sliced(offset), options);
}

QImage DibDecoder::decode(QByteArrayView info, QByteArrayView bits, const Options& options)
{
    Header h;
    if (!parseHeader(info, options, h) || !supportedDepth(h))
        return {};
    if (h.compression == Jpeg || h.compression == Png)
        return decodeEmbedded(bits, h);
    if (!ImageLimits::fits(h.width, h.height) || h.width * h.height > options.maxPixels)
        return {};
    if ((h.compression == Rle4 || h.compression == Rle8) && options.icon)
        return {};

    const int w = int(h.width);
    const int rows = int(h.height);
    const QList<QRgb> colors = readColorTable(info, h, options);

    bool hasAlpha = false;
    QImage image;

    if (h.compression == Rle4 || h.compression == Rle8) {
        const bool transparentSkips = options.rleSkipsTransparent;
        image = QImage(w, rows, transparentSkips ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (image.isNull())
            return {};
        image.fill(transparentSkips ? 0u : colors[0]);
        decodeRle(bits, h, colors, image);
        return image;
    }

    const qsizetype stride = rowStride(h);
    // The last row may lack its padding; every byte of pixel data must be there.
    const qsizetype needed = stride * (rows - 1) + (h.width * h.bitCount + 7) / 8;
    if (bits.size() < needed)
        return {};

    Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]), alpha(h.masks[3]);
    if (!h.hasMasks && h.bitCount == 16) {
        red = Channel(0x7c00);
        green = Channel(0x03e0);
        blue = Channel(0x001f);
    }
    if (!h.hasMasks && h.bitCount == 32) {
        red = Channel(0x00ff0000);
        green = Channel(0x0000ff00);
        blue = Channel(0x000000ff);
        // Icons keep alpha in the fourth byte; plain bitmaps leave it unused.
        if (options.icon)
            alpha = Channel(0xff000000u);
    }
    const bool useAlpha = alpha.mask != 0;

    image = QImage(w, rows, useAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    bool anyAlpha = false;
    for (int row = 0; row < rows; ++row) {
        const uint8_t* src = reinterpret_cast<const uint8_t*>(bits.data()) + stride * row;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(h.topDown ? row : rows - 1 - row));
        switch (h.bitCount) {
        case 1:
        case 2:
        case 4:
        case 8: {
            const int bpp = h.bitCount;
            const int perByte = 8 / bpp;
            const int maskBits = (1 << bpp) - 1;
            for (int x = 0; x < w; ++x) {
                const int shift = 8 - bpp * (x % perByte + 1);
                line[x] = colors[(src[x / perByte] >> shift) & maskBits];
            }
            break;
        }
        case 16:
            for (int x = 0; x < w; ++x) {
                const uint32_t p = uint32_t(src[2 * x]) | uint32_t(src[2 * x + 1]) << 8;
                line[x] = qRgba(red.value(p), green.value(p), blue.value(p), useAlpha ? alpha.value(p) : 255);
                anyAlpha |= useAlpha && alpha.value(p) != 0;
            }
            break;
        case 24:
            for (int x = 0; x < w; ++x)
                line[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
            break;
        case 32:
            for (int x = 0; x < w; ++x) {
                const uint32_t p = uint32_t(src[4 * x]) | uint32_t(src[4 * x + 1]) << 8
                    | uint32_t(src[4 * x + 2]) << 16 | uint32_t(src[4 * x + 3]) << 24;
                const int a = useAlpha ? alpha.value(p) : 255;
                anyAlpha |= useAlpha && a != 0;
                line[x] = qRgba(red.value(p), green.value(p), blue.value(p), a);
            }
            break;
        }
    }
    // A fourth byte that is zero everywhere was never meant as alpha.
    if (useAlpha && !anyAlpha) {
        for (int y = 0; y < rows; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < w; ++x)
                line[x] |= 0xff000000u;
        }
        hasAlpha = false;
    } else {
        hasAlpha = useAlpha;
    }

    if (options.icon) {
        if (image.format() != QImage::Format_ARGB32)
            image = image.convertToFormat(QImage::Format_ARGB32);
        applyIconMask(image, bits.sliced(std::min(bits.size(), stride * rows)), hasAlpha);
    }
    return image;
}
