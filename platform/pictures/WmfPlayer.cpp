#include "platform/pictures/WmfPlayer.h"

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/WmfFrame.h"
#include "platform/pictures/WmfRecords.h"
#include "platform/pictures/WmfSession.h"

namespace {

constexpr uint32_t placeableKey = 0x9AC6CDD7;
constexpr qsizetype headerSize = 18;

// Whether the records after the header at `start` follow one another inside
// the file up to an end record.
bool endsWithEofRecord(const QByteArray& bytes, qsizetype start)
{
    ByteReader records(bytes, start + headerSize);
    while (records.remaining() >= 6) {
        const qsizetype at = records.position();
        const uint32_t size = records.u32();
        const uint16_t function = records.u16();
        if (size < 3 || qsizetype(size) * 2 > bytes.size() - at)
            return false;
        if (function == WmfRecords::Eof)
            return true;
        records.seek(at + qsizetype(size) * 2);
    }
    return false;
}

}  // namespace

bool WmfPlayer::recognizes(QByteArrayView bytes)
{
    ByteReader in(bytes);
    const uint32_t key = in.u32();
    if (in.ok() && key == placeableKey)
        return true;
    ByteReader header(bytes);
    const uint16_t type = header.u16();
    const uint16_t size = header.u16();
    return header.ok() && (type == 1 || type == 2) && size == 9;
}

QImage WmfPlayer::render(const QByteArray& bytes)
{
    if (!recognizes(bytes))
        return {};
    WmfFrame frame;
    qsizetype start = 0;
    if (!WmfFrame::read(bytes, start, frame) || frame.size.isEmpty() || (frame.bounds.isEmpty() && !frame.measure))
        return {};

    ByteReader header(bytes, start);
    const uint16_t type = header.u16();
    const uint16_t words = header.u16();
    header.u16();  // version
    const uint32_t declaredWords = header.u32();
    const uint16_t objectCount = header.u16();
    if (!header.ok() || (type != 1 && type != 2) || words != 9)
        return {};
    // A file shorter than its header says has lost its end, unless its
    // records still reach their end record: some writers (Inkscape) count
    // the placeable header in the size, and readers of the format go by the
    // records, each of which is checked against the file below.
    const bool sizeFits = qsizetype(declaredWords) * 2 <= bytes.size() - start;
    if (!sizeFits && !endsWithEofRecord(bytes, start))
        return {};

    QImage image(frame.size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    {
        WmfSession session(image, frame, objectCount);
        ByteReader records(bytes, start + headerSize);
        while (records.remaining() >= 6) {
            const qsizetype at = records.position();
            const uint32_t size = records.u32();
            const uint16_t function = records.u16();
            // A record must hold its own header and lie inside the file;
            // anything else is damage, and the picture is refused.
            if (!records.ok() || size < 3 || qsizetype(size) * 2 > bytes.size() - at)
                return {};
            if (function == WmfRecords::Eof)
                break;
            const QByteArrayView params = QByteArrayView(bytes).sliced(at + 6, qsizetype(size) * 2 - 6);
            ByteReader in(params);
            session.play(function, in, params);
            records.seek(at + qsizetype(size) * 2);
        }
    }
    return frame.measure ? WmfFrame::cropToDrawing(image) : image;
}
