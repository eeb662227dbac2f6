#include "player/GameGeometry.h"

#include "player/Twips.h"

#include <algorithm>
#include <cmath>

namespace GameGeometry {

std::optional<QRect> pictureArea(QSize screenPixels, int screenWidth, int screenHeight)
{
    if (screenWidth < 1 || screenWidth > kMaxSide || screenHeight < 1 || screenHeight > kMaxSide)
        return std::nullopt;
    const int width = screenWidth * Twips::kPerPixel;
    const int height = screenHeight * Twips::kPerPixel;
    const int screenW = Twips::fromPixels(screenPixels.width());
    const int screenH = Twips::fromPixels(screenPixels.height());
    // Int() rounds down, also for negative halves when the area is larger
    // than the screen.
    const int left = int(std::floor(screenW / 2.0)) - int(std::floor(width / 2.0));
    const int top = int(std::floor(screenH / 2.0)) - int(std::floor(height / 2.0));
    return QRect(left, top, width, height);
}

int autoScale(QSize screenPixels, int screenWidth, int screenHeight)
{
    if (screenWidth < 1 || screenHeight < 1)
        return 1;
    return std::max(1, std::min(screenPixels.width() / screenWidth, screenPixels.height() / screenHeight));
}

std::optional<QRect> pictureAreaPixels(QSize screenPixels, int screenWidth, int screenHeight, int scale)
{
    const std::optional<QRect> twips = pictureArea(screenPixels, screenWidth, screenHeight);
    if (!twips)
        return std::nullopt;
    if (scale <= 1)
        return Twips::toPixels(twips->left(), twips->top(), twips->width(), twips->height());
    const int width = screenWidth * scale;
    const int height = screenHeight * scale;
    // Rounded down as the twips arithmetic does, also when a factor asked
    // for makes the picture larger than the screen.
    const auto half = [](int v) { return int(std::floor(v / 2.0)); };
    return QRect(half(screenPixels.width()) - half(width), half(screenPixels.height()) - half(height), width, height);
}

QRect inventoryCell(int k, int screenWidth)
{
    const int columns = std::max(1, screenWidth / kInventoryCell);
    return QRect(Twips::fromPixels(((k - 1) % columns) * kInventoryCell),
                 Twips::fromPixels(((k - 1) / columns) * kInventoryCell), Twips::fromPixels(kInventoryCell),
                 Twips::fromPixels(kInventoryCell));
}

}  // namespace GameGeometry
