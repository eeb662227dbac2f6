#include "platform/pictures/RasterOp.h"

uint32_t RasterOp::apply(uint32_t p, uint32_t s, uint32_t d) const
{
    uint32_t result = 0;
    for (int i = 0; i < 8; ++i) {
        if (!((table_ >> i) & 1))
            continue;
        result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return result & 0x00ffffffu;
}

void RasterOp::combine(QImage& target, QPoint origin, const QImage* source, const QImage* pattern) const
{
    const QImage* coverage = source ? source : pattern;
    if (!coverage)
        return;
    const int w = coverage->width();
    const int h = coverage->height();
    for (int y = 0; y < h; ++y) {
        const int ty = origin.y() + y;
        if (ty < 0 || ty >= target.height())
            continue;
        QRgb* dst = reinterpret_cast<QRgb*>(target.scanLine(ty));
        const QRgb* src = source ? reinterpret_cast<const QRgb*>(source->constScanLine(y)) : nullptr;
        const QRgb* pat = pattern ? reinterpret_cast<const QRgb*>(pattern->constScanLine(y)) : nullptr;
        const QRgb* cov = reinterpret_cast<const QRgb*>(coverage->constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int tx = origin.x() + x;
            if (tx < 0 || tx >= target.width() || qAlpha(cov[x]) == 0)
                continue;
            const uint32_t s = src ? src[x] & 0x00ffffffu : 0;
            const uint32_t p = pat ? pat[x] & 0x00ffffffu : 0;
            const QRgb d = dst[tx];
            if (qAlpha(d) == 0) {
                const uint32_t onWhite = apply(p, s, 0x00ffffffu);
                const uint32_t onBlack = apply(p, s, 0);
                if (onWhite == 0x00ffffffu && onBlack == 0)
                    continue;
                dst[tx] = 0xff000000u | onWhite;
            } else {
                dst[tx] = 0xff000000u | apply(p, s, d & 0x00ffffffu);
            }
        }
    }
}
