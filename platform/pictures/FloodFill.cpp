#include "platform/pictures/FloodFill.h"

#include <algorithm>
#include <vector>

namespace {

// Seeds waiting to be looked at; a picture that needs more is a maze no
// drawing program made.
constexpr size_t maxSeeds = size_t(1) << 20;

struct Span {
    int y;
    int left;
    int right;  // one past the last pixel
};

QRgb colorAt(const QRgb* line, int x)
{
    const QRgb p = line[x];
    return qAlpha(p) == 0 ? 0x00ffffffu : qUnpremultiply(p) & 0x00ffffffu;
}

}  // namespace

QRegion FloodFill::area(const QImage& image, QPoint start, QRgb color, int mode, int64_t& budget)
{
    const int w = image.width();
    const int h = image.height();
    if (budget <= 0 || image.format() != QImage::Format_ARGB32_Premultiplied || !image.rect().contains(start))
        return {};
    color &= 0x00ffffffu;
    std::vector<uint8_t> seen(size_t(w) * size_t(h), 0);
    const auto line = [&](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); };
    const auto fills = [&](const QRgb* row, int y, int x) {
        if (seen[size_t(y) * size_t(w) + size_t(x)])
            return false;
        const bool same = colorAt(row, x) == color;
        return mode == Surface ? same : !same;
    };

    std::vector<Span> spans;
    std::vector<QPoint> seeds{start};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        const QRgb* row = line(seed.y());
        if (!fills(row, seed.y(), seed.x()))
            continue;
        int left = seed.x();
        while (left > 0 && fills(row, seed.y(), left - 1))
            --left;
        int right = seed.x() + 1;
        while (right < w && fills(row, seed.y(), right))
            ++right;
        for (int x = left; x < right; ++x)
            seen[size_t(seed.y()) * size_t(w) + size_t(x)] = 1;
        spans.push_back({seed.y(), left, right});
        // The span and the rows above and below it are looked at once each.
        budget -= 3 * int64_t(right - left);
        if (budget < 0)
            return {};
        for (const int y : {seed.y() - 1, seed.y() + 1}) {
            if (y < 0 || y >= h)
                continue;
            const QRgb* next = line(y);
            bool inRun = false;
            for (int x = left; x < right; ++x) {
                const bool f = fills(next, y, x);
                if (f && !inRun)
                    seeds.push_back(QPoint(x, y));
                if (seeds.size() > maxSeeds)
                    return {};
                inRun = f;
            }
        }
    }

    // Rows top to bottom, spans left to right, spans that touch joined:
    // the order a region's rectangles are kept in.
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.left < b.left; });
    QList<QRect> rects;
    for (const Span& s : spans) {
        if (!rects.isEmpty() && rects.last().top() == s.y && rects.last().right() + 1 == s.left)
            rects.last().setRight(s.right - 1);
        else
            rects.append(QRect(s.left, s.y, s.right - s.left, 1));
    }
    QRegion region;
    if (rects.isEmpty())
        return region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}
