#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

// Helpers the picture tests share: fixtures by name and comparisons of
// two renderings of one drawing.
namespace PictureCompare {

inline QString fixture(const char* name)
{
    return QStringLiteral(QUENDARA_TEST_DATA "/pictures/") + QString::fromLatin1(name);
}

// The picture laid on white paper, so that transparent and white compare
// equal, as a reader of the picture sees them.
inline QImage onWhite(const QImage& image, QSize size)
{
    QImage paper(size, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter p(&paper);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), size), image);
    return paper;
}

// The share (0..1) of pixels whose colour differs by more than
// `channelTolerance` in some channel. The reference is scaled to the
// picture's size first.
inline double differingShare(const QImage& picture, const QImage& reference, int channelTolerance)
{
    const QImage a = onWhite(picture, picture.size());
    const QImage b = onWhite(reference, picture.size());
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > channelTolerance || std::abs(qGreen(p) - qGreen(q)) > channelTolerance
                || std::abs(qBlue(p) - qBlue(q)) > channelTolerance)
                ++differing;
        }
    }
    return double(differing) / (qint64(a.width()) * a.height());
}

// The smallest share of differing pixels over the placements of `area`
// within a pixel of where it is given: tools disagree by a pixel about
// where a page ends.
inline double differingShareNear(const QImage& picture, const QImage& reference, QRect area, int channelTolerance)
{
    double best = 1;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            best = std::min(best, differingShare(picture, reference.copy(area.translated(dx, dy)), channelTolerance));
    return best;
}

}  // namespace PictureCompare
