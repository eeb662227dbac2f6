#include "platform/pictures/IconFile.h"

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/DibDecoder.h"
#include "platform/pictures/ImageLimits.h"

#include <cstdlib>

namespace {

constexpr uint16_t iconType = 1;
constexpr uint16_t cursorType = 2;
constexpr int directorySize = 6;
constexpr int entrySize = 16;
const QByteArrayView pngSignature("\x89PNG\r\n\x1a\n", 8);

}  // namespace

bool IconFile::read(const QByteArray& bytes)
{
    bytes_ = bytes;
    entries_.clear();
    ByteReader in(bytes_);
    const uint16_t reserved = in.u16();
    const uint16_t type = in.u16();
    const uint16_t count = in.u16();
    if (!in.ok() || reserved != 0 || (type != iconType && type != cursorType) || count == 0)
        return false;
    if (qsizetype(directorySize) + qsizetype(count) * entrySize > bytes_.size())
        return false;
    cursor_ = type == cursorType;
    for (int i = 0; i < count; ++i) {
        Entry e;
        const int w = in.u8();
        const int h = in.u8();
        in.u8();  // colour count
        in.u8();
        const uint16_t planesOrX = in.u16();
        const uint16_t bitsOrY = in.u16();
        e.size = in.u32();
        e.offset = in.u32();
        e.width = w == 0 ? 256 : w;
        e.height = h == 0 ? 256 : h;
        if (cursor_)
            e.hotSpot = QPoint(planesOrX, bitsOrY);
        else
            e.bitCount = bitsOrY;
        if (e.offset < directorySize || e.size <= 0 || e.offset > bytes_.size() || e.size > bytes_.size() - e.offset)
            continue;
        // The directory's size and depth are often wrong; the image's own
        // header decides.
        const QByteArrayView data = QByteArrayView(bytes_).sliced(e.offset, e.size);
        if (data.startsWith(pngSignature)) {
            ByteReader png(data, 16);
            const uint32_t pw = (uint32_t(png.u8()) << 24) | (uint32_t(png.u8()) << 16) | (uint32_t(png.u8()) << 8) | png.u8();
            const uint32_t ph = (uint32_t(png.u8()) << 24) | (uint32_t(png.u8()) << 16) | (uint32_t(png.u8()) << 8) | png.u8();
            if (png.ok() && ImageLimits::fits(pw, ph)) {
                e.width = int(pw);
                e.height = int(ph);
            }
            e.bitCount = 32;
        } else {
            ByteReader dib(data);
            const uint32_t headerSize = dib.u32();
            if (headerSize >= 16) {
                const int32_t dw = dib.i32();
                const int32_t dh = dib.i32();
                dib.u16();
                const int bits = dib.u16();
                if (dib.ok() && ImageLimits::fits(dw, std::abs(int64_t(dh)) / 2)) {
                    e.width = dw;
                    e.height = int(std::abs(int64_t(dh)) / 2);
                    e.bitCount = bits;
                }
            }
        }
        entries_.append(e);
    }
    return !entries_.isEmpty();
}

QImage IconFile::image(int index) const
{
    if (index < 0 || index >= entries_.size())
        return {};
    const Entry& e = entries_[index];
    const QByteArrayView data = QByteArrayView(bytes_).sliced(e.offset, e.size);
    QImage image;
    if (data.startsWith(pngSignature)) {
        if (!ImageLimits::pngChunksFit(data))
            return {};
        image = QImage::fromData(data, "PNG");
        if (image.isNull() || !ImageLimits::fits(image.width(), image.height()))
            return {};
    } else {
        DibDecoder::Options options;
        options.icon = true;
        image = DibDecoder::decodePacked(data, options);
    }
    if (!image.isNull() && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    return image;
}

int IconFile::bestForPicture() const
{
    int best = -1;
    for (int i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (best < 0) {
            best = i;
            continue;
        }
        const Entry& b = entries_[best];
        const qint64 area = qint64(e.width) * e.height;
        const qint64 bestArea = qint64(b.width) * b.height;
        if (area > bestArea || (area == bestArea && e.bitCount > b.bitCount))
            best = i;
    }
    return best;
}

int IconFile::bestForPointer() const
{
    constexpr int standard = 32;
    int best = -1;
    int bestDistance = 0;
    for (int i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        const int distance = std::abs(e.width - standard) + std::abs(e.height - standard);
        if (best < 0 || distance < bestDistance
            || (distance == bestDistance && e.bitCount > entries_[best].bitCount)) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
