#pragma once

#include <QCursor>
#include <QPixmap>

// Pictures and mouse pointers of the game drawn `factor` times their size:
// smoothly, or with square sharp pixels for pixel-art games.
namespace ScaledPicture {

Qt::TransformationMode transformation(bool sharp);
QPixmap pixmap(const QPixmap& picture, int factor, bool sharp);
// The pointer's picture and its hot spot grow together, so the pointer
// still points at the same spot of the game.
QCursor cursor(const QCursor& pointer, int factor, bool sharp);

}  // namespace ScaledPicture
