#pragma once

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

}  // namespace ImageLimits
