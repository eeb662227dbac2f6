// The demo game's pictures. Every scene is drawn at 640 x 480; a scene that
// changes during play is drawn once per state, and the areas that show the
// change are cut from the changed drawing, so they sit on the background
// without a seam.
#pragma once

#include <QImage>
#include <QRect>

namespace scenes {

constexpr int W = 640;
constexpr int H = 480;

// Where the pictures of areas sit, in pixels of the game picture.
namespace at {
// Shore
constexpr QRect shell{168, 398, 48, 36};
// Door
constexpr QRect door{256, 144, 128, 220};
constexpr QRect mat{240, 378, 160, 48};
constexpr QRect key{300, 398, 44, 22};
// Stairs (tiled wall)
constexpr QRect stairsFloor{0, 380, 640, 100};
constexpr QRect stairsDoor{24, 124, 122, 256};
constexpr QRect stairsUp{380, 16, 250, 404};
constexpr QRect hatch{150, 392, 180, 80};
constexpr QRect chart{190, 116, 150, 112};
// Cellar (solid colour)
constexpr QRect cellarFloor{0, 430, 640, 50};
constexpr QRect ladder{270, 0, 100, 436};
constexpr QRect shelves{36, 104, 210, 330};
constexpr QRect crates{396, 262, 236, 176};
constexpr QRect oilCan{466, 218, 52, 62};
constexpr QRect catEyes{586, 366, 40, 20};
// Lamp room
constexpr QRect lens{196, 56, 248, 336};
constexpr QRect lensHotspot{244, 86, 152, 274};
constexpr QRect stairsDown{24, 392, 170, 80};
constexpr QRect galleryDoor{508, 134, 110, 250};
constexpr QRect logbook{36, 250, 140, 110};
// Gallery, whose picture is 320 x 240 and stretched: these are 640 x 480 places
constexpr QRect ship{360, 176, 170, 110};
constexpr QRect reef{60, 232, 240, 80};
constexpr QRect galleryLit{0, 96, 640, 272};
constexpr QRect galleryBack{0, 384, 640, 96};
// Dawn
constexpr QRect theEnd{222, 376, 196, 76};
constexpr QRect dawnShip{84, 190, 150, 120};
}  // namespace at

QColor cellarColour();

QImage title(bool withTitle);
// One picture of the intro film: `t` in seconds from 0 to introLength.
constexpr double introLength = 6.5;
constexpr int introFps = 10;
QImage intro(double t);

QImage shore(bool withShell);
QImage door(bool open, bool matLifted, bool keyThere);
QImage brickTile();
QImage stairs();  // the tiled wall with everything on it
QImage cellar(bool withCan, bool withCat);
QImage lampRoom(bool lit);
QImage gallery(bool lit);  // 320 x 240
QImage beam();
QImage dawn();

// Pointers and inventory icons, 32 x 32 with transparency.
QImage walkPointer();
QImage lookPointer();
QImage handPointer();
QImage shellIcon();
QImage keyIcon();
QImage oilCanIcon();

}  // namespace scenes
