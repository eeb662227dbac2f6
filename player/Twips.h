#pragma once

#include <QRect>

// Files and the programs' geometry arithmetic are in twips; widgets are in
// pixels. Conversion happens at the edge, after the arithmetic is done.
namespace Twips {

constexpr int kPerPixel = 15;

constexpr int toPixels(double twips) { return static_cast<int>(twips >= 0 ? twips / kPerPixel : -((-twips) / kPerPixel)); }
constexpr int fromPixels(int pixels) { return pixels * kPerPixel; }

inline QRect toPixels(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

}  // namespace Twips
