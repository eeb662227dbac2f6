#include "platform/pictures/WmfFrame.h"

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/GdiShapes.h"
#include "platform/pictures/ImageLimits.h"
#include "platform/pictures/WmfRecords.h"

#include <cmath>

namespace {

constexpr uint32_t placeableKey = 0x9AC6CDD7;
constexpr qsizetype placeableSize = 22;
constexpr qsizetype headerSize = 18;
// Pictures of plain metafiles, which carry no size of their own, are made
// no larger than this on their longer side.
constexpr double plainMaxSide = 1024;
constexpr int measureSide = 2048;

}  // namespace

bool WmfFrame::read(const QByteArray& bytes, qsizetype& recordsStart, WmfFrame& frame)
{
    ByteReader in(bytes);
    if (in.u32() == placeableKey) {
        in.u16();
        const double l = in.i16(), t = in.i16(), r = in.i16(), b = in.i16();
        const double inch = in.u16();
        frame.bounds = GdiShapes::box(l, t, r, b);
        frame.unitsPerInch = inch == 0 ? 1440 : inch;
        frame.placeable = true;
        recordsStart = placeableSize;
        const double w = std::round(frame.bounds.width() * 96 / frame.unitsPerInch);
        const double h = std::round(frame.bounds.height() * 96 / frame.unitsPerInch);
        if (!ImageLimits::fits(int64_t(w), int64_t(h)))
            return false;
        frame.size = QSize(int(w), int(h));
        return true;
    }
    recordsStart = 0;
    // Plain metafile: the first window origin and extent give the bounds.
    ByteReader records(bytes, headerSize);
    QPointF origin;
    QSizeF extent;
    while (records.remaining() >= 6) {
        const qsizetype start = records.position();
        const uint32_t size = records.u32();
        const uint16_t function = records.u16();
        if (size < 3 || qsizetype(size) * 2 > bytes.size() - start || function == WmfRecords::Eof)
            break;
        if (function == WmfRecords::SetWindowOrg)
            origin = WmfRecords::pointYX(records);
        else if (function == WmfRecords::SetWindowExt && extent.isEmpty()) {
            const QPointF e = WmfRecords::pointYX(records);
            extent = QSizeF(e.x(), e.y());
        }
        records.seek(start + qsizetype(size) * 2);
    }
    if (extent.width() == 0 || extent.height() == 0) {
        frame.measure = true;
        frame.size = QSize(measureSide, measureSide);
        return true;
    }
    frame.bounds = QRectF(origin, extent).normalized();
    const double longer = std::max(frame.bounds.width(), frame.bounds.height());
    const double scale = longer > plainMaxSide ? plainMaxSide / longer : 1.0;
    frame.unitsPerInch = 96 / scale;
    frame.size = QSize(std::max(1, int(std::round(frame.bounds.width() * scale))),
                       std::max(1, int(std::round(frame.bounds.height() * scale))));
    return true;
}

QTransform WmfFrame::outerTransform() const
{
    if (measure)
        return {};
    return QTransform::fromTranslate(-bounds.left(), -bounds.top())
        * QTransform::fromScale(size.width() / bounds.width(), size.height() / bounds.height());
}

QImage WmfFrame::cropToDrawing(const QImage& image)
{
    int right = 0;
    int bottom = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                right = std::max(right, x + 1);
                bottom = y + 1;
            }
        }
    }
    if (right == 0 || bottom == 0)
        return {};
    return image.copy(0, 0, right, bottom);
}
