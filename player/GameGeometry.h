#pragma once

#include <QRect>
#include <QSize>

#include <optional>

// Where the game's picture area lies on the screen, and where each inventory
// object lies in it, in twips.
namespace GameGeometry {

// Sizes are multiplied by 15 in signed 16-bit arithmetic, so a side must lie
// in 1..2184 pixels; outside that there is no picture area.
constexpr int kMaxSide = 2184;

std::optional<QRect> pictureArea(QSize screenPixels, int screenWidth, int screenHeight);

// The largest whole factor by which a game of screenWidth x screenHeight
// pixels fits the screen; 1 when it does not fit twice (or at all).
int autoScale(QSize screenPixels, int screenWidth, int screenHeight);

// The picture area on the screen in pixels when the game is drawn `scale`
// times its size, centred. At scale 1 it is the twips area above, converted.
std::optional<QRect> pictureAreaPixels(QSize screenPixels, int screenWidth, int screenHeight, int scale);

// Inventory objects fill a grid of 35-pixel cells row by row from the
// top-left corner of the picture area, as many to a row as the game's width
// (in pixels) holds whole; object `k` counts from 1.
constexpr int kInventoryCell = 35;
QRect inventoryCell(int k, int screenWidth);

}  // namespace GameGeometry
