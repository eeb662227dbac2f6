#pragma once

#include <QByteArrayView>

#include <cstdint>

// Bounds on the pictures we are willing to build. A header may claim any
// size; a damaged or hostile file must not make us allocate gigabytes.
namespace ImageLimits {

inline constexpr int64_t maxSide = 16384;
inline constexpr int64_t maxPixels = int64_t(8192) * 8192;

inline bool fits(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide && width * height <= maxPixels;
}

// PNG data goes to Qt's reader, whose decoder allocates each chunk's
// declared length before reading it, so a few bytes that claim a gigabyte of
// text get a gigabyte. Data whose chunks run past its end is damaged and is
// not handed over.
inline bool pngChunksFit(QByteArrayView png)
{
    constexpr qsizetype signature = 8;
    constexpr qsizetype overhead = 12;  // length, type and check value
    qsizetype at = signature;
    while (png.size() - at >= 8) {
        const auto* p = reinterpret_cast<const unsigned char*>(png.data() + at);
        const uint32_t length = uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
        if (int64_t(length) > png.size() - at - overhead)
            return false;
        if (p[4] == 'I' && p[5] == 'E' && p[6] == 'N' && p[7] == 'D')
            return true;
        at += overhead + qsizetype(length);
    }
    return true;
}

}  // namespace ImageLimits
