#pragma once

#include <QRect>

#include <algorithm>
#include <cmath>

// Files and the programs' geometry arithmetic are in twips; widgets are in
// pixels. Conversion happens at the edge, after the arithmetic is done.
namespace Twips {

constexpr int kPerPixel = 15;

// To the nearest pixel; values from damaged files are kept within a range a
// widget can take.
inline int toPixels(double twips)
{
    if (!std::isfinite(twips))
        return 0;
    const double pixels = std::floor(twips / kPerPixel + 0.5);
    return static_cast<int>(std::clamp(pixels, -1.0e6, 1.0e6));
}

constexpr int fromPixels(int pixels) { return pixels * kPerPixel; }

inline QRect toPixels(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), std::max(0, toPixels(width)), std::max(0, toPixels(height)));
}

}  // namespace Twips
