#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QRgb>

#include <cstdint>

// The pixels a flood fill reaches from a starting pixel, found one row span
// at a time over the picture (no recursion). In border mode the fill
// spreads over every pixel that is not the border colour; in surface mode
// over the pixels of the surface colour. Pixels nobody has drawn count as
// white paper. Each fill spends from a budget of pixels visited that the
// caller keeps for the whole picture; a fill that would overspend it, or
// that starts outside the picture, covers nothing.
class FloodFill {
public:
    enum Mode : int { Border = 0, Surface = 1 };

    // `image` is ARGB32 premultiplied; `color` is 0xRRGGBB.
    static QRegion area(const QImage& image, QPoint start, QRgb color, int mode, int64_t& budget);
};
