#pragma once

#include <QRect>
#include <QSize>

#include <optional>

// Where the game's picture area lies on the screen, in twips. Sizes are
// multiplied by 15 in signed 16-bit arithmetic, so a side must lie in
// 1..2184 pixels; outside that there is no picture area.
namespace GameGeometry {

constexpr int kMaxSide = 2184;

std::optional<QRect> pictureArea(QSize screenPixels, int screenWidth, int screenHeight);

}  // namespace GameGeometry
