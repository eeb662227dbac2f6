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

QByteArray readFile(const QString& path)
{
    // No name (a name that was not a plain file name) is no file.
    if (path.isEmpty())
        return {};
    QFile file(FileNames::resolve(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileSize)
        return {};
    return file.readAll();
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
    const QByteArrayView view(bytes);
    if (view.startsWith("BM"))
        return decodeBmp(bytes);
    if (view.startsWith("GIF87a") || view.startsWith("GIF89a"))
        return decodeWithQt(bytes, "gif");
    if (view.startsWith("\xff\xd8\xff"))
        return decodeWithQt(bytes, "jpeg");
    if (view.startsWith("\x89PNG\r\n\x1a\n"))
        return ImageLimits::pngChunksFit(view) ? decodeWithQt(bytes, "png") : QImage();
    if (EmfPlayer::recognizes(view))
        return EmfPlayer::render(bytes);
    if (WmfPlayer::recognizes(view))
        return WmfPlayer::render(bytes);
    if (view.startsWith(QByteArrayView("\0\0\1\0", 4)) || view.startsWith(QByteArrayView("\0\0\2\0", 4)))
        return decodeIcon(bytes);
    return {};
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
