#include "tools/IcoWrk32/IconFileWriter.h"

#include <QtEndian>

namespace IconFileWriter {

namespace {

constexpr quint16 iconType = 1;
constexpr quint16 cursorType = 2;
constexpr int directorySize = 6;
constexpr int entrySize = 16;
constexpr int infoHeaderSize = 40;

class Bytes {
public:
    void u8(int v) { m_data.append(char(quint8(v))); }
    void u16(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        m_data.append(b, 2);
    }
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        m_data.append(b, 4);
    }
    QByteArray& data() { return m_data; }

private:
    QByteArray m_data;
};

// The bitmap of the entry: the header counts the colour rows and the mask
// rows in its height; both are stored bottom row first, each row padded to
// four bytes.
QByteArray bitmap(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    Bytes out;
    out.u32(infoHeaderSize);
    out.u32(quint32(w));
    out.u32(quint32(2 * h));
    out.u16(1);   // planes
    out.u16(32);  // bits per pixel
    out.u32(0);   // no compression
    out.u32(quint32(w * h * 4 + maskStride * h));
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            // A transparent pixel is written black: with the mask set, a
            // reader that ignores alpha leaves the screen unchanged there.
            const QRgb p = qAlpha(line[x]) == 0 ? 0 : line[x];
            out.u8(qBlue(p));
            out.u8(qGreen(p));
            out.u8(qRed(p));
            out.u8(qAlpha(p));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) < 128)
                row[x / 8] = char(quint8(row[x / 8]) | (0x80 >> (x % 8)));
        out.data().append(row);
    }
    return out.data();
}

QByteArray file(const QImage& image, quint16 type, QPoint hotSpot)
{
    const QByteArray bits = bitmap(image);
    Bytes out;
    out.u16(0);
    out.u16(type);
    out.u16(1);
    // Sizes of 256 are written as 0; the editor's pictures are far smaller.
    out.u8(image.width() >= 256 ? 0 : image.width());
    out.u8(image.height() >= 256 ? 0 : image.height());
    out.u8(0);  // colour count: not a palette image
    out.u8(0);
    if (type == cursorType) {
        out.u16(quint16(hotSpot.x()));
        out.u16(quint16(hotSpot.y()));
    } else {
        out.u16(1);   // planes
        out.u16(32);  // bits per pixel
    }
    out.u32(quint32(bits.size()));
    out.u32(directorySize + entrySize);
    out.data().append(bits);
    return out.data();
}

}  // namespace

QByteArray icon(const QImage& image) { return file(image, iconType, QPoint()); }

QByteArray cursor(const QImage& image, QPoint hotSpot) { return file(image, cursorType, hotSpot); }

}  // namespace IconFileWriter
