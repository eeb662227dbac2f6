#include "platform/pictures/EmfPlayer.h"

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/EmfRecords.h"
#include "platform/pictures/EmfSession.h"
#include "platform/pictures/ImageLimits.h"

#include <cmath>

namespace {

constexpr uint32_t emfSignature = 0x464D4520;  // " EMF"

// Whether the records after a header of `headerSize` bytes follow one another
// inside the file up to an end record.
bool endsWithEofRecord(QByteArrayView bytes, uint32_t headerSize)
{
    ByteReader records(bytes, headerSize);
    while (records.remaining() >= 8) {
        const qsizetype at = records.position();
        const uint32_t type = records.u32();
        const uint32_t size = records.u32();
        if (size < 8 || size > uint64_t(bytes.size() - at))
            return false;
        if (type == EmfRecords::Eof)
            return true;
        records.seek(at + size);
    }
    return false;
}

}  // namespace

bool EmfPlayer::recognizes(QByteArrayView bytes)
{
    ByteReader in(bytes);
    const uint32_t type = in.u32();
    in.seek(40);
    const uint32_t signature = in.u32();
    return in.ok() && type == EmfRecords::Header && signature == emfSignature;
}

QImage EmfPlayer::render(const QByteArray& bytes)
{
    if (!recognizes(bytes))
        return {};
    ByteReader header(bytes);
    header.u32();
    const uint32_t headerSize = header.u32();
    const QRectF bounds = EmfRecords::readBox(header);
    const QRectF frame = EmfRecords::readBox(header);
    header.skip(8);  // signature, version
    const uint32_t declaredBytes = header.u32();
    header.u32();     // records
    const uint16_t handles = header.u16();
    header.skip(14);  // reserved, description, palette entries
    const double deviceX = header.i32(), deviceY = header.i32();
    double mmX = header.i32(), mmY = header.i32();
    if (headerSize >= 108) {
        header.skip(12);
        const double umX = header.i32(), umY = header.i32();
        if (umX > 0 && umY > 0)
            mmX = umX / 1000, mmY = umY / 1000;
    }
    if (!header.ok() || headerSize < 88 || headerSize > uint32_t(bytes.size()))
        return {};
    // A file shorter than its header says has lost its end, unless its
    // records still reach their end record: readers of the format go by the
    // records, each of which is checked against the file below.
    if (declaredBytes > uint64_t(bytes.size()) && !endsWithEofRecord(bytes, headerSize))
        return {};
    const double perMmX = deviceX > 0 && mmX > 0 ? deviceX / mmX : 96 / 25.4;
    const double perMmY = deviceY > 0 && mmY > 0 ? deviceY / mmY : 96 / 25.4;

    // The frame (hundredths of a millimetre) is the picture's rectangle on
    // the reference device; the picture shows it at 96 pixels per inch.
    QRectF deviceFrame(frame.left() / 100 * perMmX, frame.top() / 100 * perMmY, frame.width() / 100 * perMmX,
                       frame.height() / 100 * perMmY);
    double width = std::round(frame.width() * 96 / 2540);
    double height = std::round(frame.height() * 96 / 2540);
    if (width < 1 || height < 1) {
        deviceFrame = bounds.adjusted(0, 0, 1, 1);
        width = std::round(deviceFrame.width() * 96 / (perMmX * 25.4));
        height = std::round(deviceFrame.height() * 96 / (perMmY * 25.4));
    }
    if (!ImageLimits::fits(int64_t(width), int64_t(height)) || deviceFrame.isEmpty())
        return {};
    const QTransform outer = QTransform::fromTranslate(-deviceFrame.left(), -deviceFrame.top())
        * QTransform::fromScale(width / deviceFrame.width(), height / deviceFrame.height());

    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    {
        EmfSession session(image, outer, handles, (perMmX + perMmY) / 2);
        ByteReader records(bytes, headerSize);
        while (records.remaining() >= 8) {
            const qsizetype at = records.position();
            const uint32_t type = records.u32();
            const uint32_t size = records.u32();
            // Records must hold their own header and lie inside the file.
            if (size < 8 || size > uint64_t(bytes.size() - at))
                return {};
            if (type == EmfRecords::Eof)
                break;
            const QByteArrayView record = QByteArrayView(bytes).sliced(at, size);
            ByteReader in(record, 8);
            session.play(type, in, record);
            records.seek(at + size);
        }
    }
    return image;
}
