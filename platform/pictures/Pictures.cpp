#include "platform/pictures/Pictures.h"

#include "platform/FileNames.h"
#include "platform/pictures/ByteReader.h"
#include "platform/pictures/DibDecoder.h"
#include "platform/pictures/EmfPlayer.h"
#include "platform/pictures/IconFile.h"
#include "platform/pictures/ImageLimits.h"
#include "platform/pictures/WmfPlayer.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace Pictures {

namespace {

// No picture file of a game comes near this; a larger one is not read.
constexpr qint64 maxFileSize = qint64(256) * 1024 * 1024;
constexpr qsizetype bmpFileHeaderSize = 14;

// Enough of a file's start to tell its format from: the longest check is
// the enhanced metafile's signature, 44 bytes in.
constexpr qint64 headSize = 64;

enum class Format { Unknown, Bmp, Gif, Jpeg, Png, Emf, Wmf, Icon };

Format formatOf(QByteArrayView head)
{
    if (head.startsWith("BM"))
        return Format::Bmp;
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return Format::Gif;
    if (head.startsWith("\xff\xd8\xff"))
        return Format::Jpeg;
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return Format::Png;
    if (EmfPlayer::recognizes(head))
        return Format::Emf;
    if (WmfPlayer::recognizes(head))
        return Format::Wmf;
    if (head.startsWith(QByteArrayView("\0\0\1\0", 4)) || head.startsWith(QByteArrayView("\0\0\2\0", 4)))
        return Format::Icon;
    return Format::Unknown;
}

uint32_t bigEndian32(QByteArrayView bytes, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// Whether the start of a file is the start of a picture we would build: a
// format we know, and where the first bytes give the picture's size, a size
// within our limits. Everything else is refused before the rest is read.
bool headFits(QByteArrayView head)
{
    switch (formatOf(head)) {
    case Format::Unknown:
        return false;
    case Format::Bmp: {
        ByteReader in(head, bmpFileHeaderSize);
        const uint32_t infoSize = in.u32();
        if (!in.ok() || infoSize < 12)
            return false;
        // Core headers give 16-bit sizes, all others 32-bit ones (a negative
        // height runs from the top down).
        const int64_t width = infoSize == 12 ? in.u16() : in.i32();
        const int64_t height = infoSize == 12 ? in.u16() : in.i32();
        return in.ok() && ImageLimits::fits(width, height < 0 ? -height : height);
    }
    case Format::Gif: {
        ByteReader in(head, 6);
        // Some writers leave the screen's size zero; the frames then give it.
        const int64_t width = in.u16();
        const int64_t height = in.u16();
        return in.ok() && (width == 0 || height == 0 || ImageLimits::fits(width, height));
    }
    case Format::Png:
        // The first chunk is the image header with the picture's size.
        return head.size() >= 24 && head.sliced(12, 4) == "IHDR"
            && ImageLimits::fits(bigEndian32(head, 16), bigEndian32(head, 20));
    case Format::Jpeg:
    case Format::Emf:
    case Format::Wmf:
    case Format::Icon:
        break;
    }
    return true;
}

// The whole picture file, read only once its start shows a picture we would
// build: a large file of anything else costs one small read.
QByteArray readPicture(QIODevice& device)
{
    if (!device.isSequential() && device.size() > maxFileSize)
        return {};
    QByteArray bytes = device.read(headSize);
    if (!headFits(bytes))
        return {};
    // A stream that does not tell its size is read in parts up to the limit.
    constexpr qint64 part = 1 << 20;
    while (!device.atEnd()) {
        const QByteArray more = device.read(part);
        if (more.isEmpty())
            break;
        bytes += more;
        if (bytes.size() > maxFileSize)
            return {};
    }
    return bytes;
}

QByteArray readFile(const QString& path)
{
    // No name (a name that was not a plain file name) is no file.
    if (path.isEmpty())
        return {};
    QFile file(FileNames::resolve(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readPicture(file);
}

QImage decodeBmp(const QByteArray& bytes)
{
    ByteReader in(bytes);
    in.skip(10);  // signature, file size, reserved
    const uint32_t bitsOffset = in.u32();
    if (!in.ok())
        return {};
    const QByteArrayView dib = QByteArrayView(bytes).sliced(bmpFileHeaderSize);
    DibDecoder::Options options;
    const qsizetype packed = DibDecoder::packedBitsOffset(dib, options);
    if (packed < 0)
        return {};
    // Some writers leave the offset zero or wrong; the rows then follow
    // the colour table.
    qsizetype offset = qsizetype(bitsOffset) - bmpFileHeaderSize;
    if (offset < packed || offset > dib.size())
        offset = packed;
    return DibDecoder::decode(dib, dib.sliced(offset), options);
}

QImage decodeWithQt(const QByteArray& bytes, const char* format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid() && !ImageLimits::fits(size.width(), size.height()))
        return {};
    QImage image = reader.read();
    if (image.isNull() || !ImageLimits::fits(image.width(), image.height()))
        return {};
    return image;
}

QImage decodeIcon(const QByteArray& bytes)
{
    IconFile icon;
    if (!icon.read(bytes))
        return {};
    return icon.image(icon.bestForPicture());
}

}  // namespace

QImage decode(const QByteArray& bytes)
{
    switch (formatOf(bytes)) {
    case Format::Bmp:
        return decodeBmp(bytes);
    case Format::Gif:
        return decodeWithQt(bytes, "gif");
    case Format::Jpeg:
        return decodeWithQt(bytes, "jpeg");
    case Format::Png:
        return ImageLimits::pngChunksFit(bytes) ? decodeWithQt(bytes, "png") : QImage();
    case Format::Emf:
        return EmfPlayer::render(bytes);
    case Format::Wmf:
        return WmfPlayer::render(bytes);
    case Format::Icon:
        return decodeIcon(bytes);
    case Format::Unknown:
        break;
    }
    return {};
}

QImage read(QIODevice& device)
{
    return decode(readPicture(device));
}

QImage load(const QString& path)
{
    return decode(readFile(path));
}

std::optional<Pointer> pointer(const QByteArray& bytes)
{
    IconFile icon;
    if (!icon.read(bytes))
        return std::nullopt;
    const int index = icon.bestForPointer();
    Pointer result;
    result.image = icon.image(index);
    if (result.image.isNull())
        return std::nullopt;
    const QSize size = result.image.size();
    if (icon.isCursor()) {
        // A damaged hot spot is kept inside the image.
        const QPoint spot = icon.entries()[index].hotSpot;
        result.hotSpot = QPoint(std::clamp(spot.x(), 0, size.width() - 1), std::clamp(spot.y(), 0, size.height() - 1));
    } else {
        result.hotSpot = QPoint(size.width() / 2, size.height() / 2);
    }
    return result;
}

std::optional<QCursor> cursor(const QString& path)
{
    const std::optional<Pointer> p = pointer(readFile(path));
    if (!p)
        return std::nullopt;
    return QCursor(QPixmap::fromImage(p->image), p->hotSpot.x(), p->hotSpot.y());
}

}  // namespace Pictures
