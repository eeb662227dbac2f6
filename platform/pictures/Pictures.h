#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIODevice>
#include <QImage>
#include <QString>

#include <optional>

// Every picture a game shows: frame backgrounds, area pictures, inventory
// icons, drag icons and previews, in the formats the authors' tools wrote
// (.bmp, .gif, .jpg, .png, .ico, .cur, .wmf, .emf), and custom mouse
// pointers from .cur and .ico files. The format comes from the file's
// contents, not its extension. A file that cannot be read gives a null
// picture or no pointer; each caller applies its own rule for that.
namespace Pictures {

// The picture in the file at `path` (found without regard to case).
QImage load(const QString& path);

// The picture held in `bytes`.
QImage decode(const QByteArray& bytes);

// The picture read from an open `device`. Only the first bytes are read
// when they are not the start of a picture, and nothing when the device is
// larger than any picture we take.
QImage read(QIODevice& device);

// A mouse pointer from a cursor file, with the hot spot the file gives, or
// from an icon file, with the hot spot in the middle of the image.
std::optional<QCursor> cursor(const QString& path);

struct Pointer {
    QImage image;
    QPoint hotSpot;
};
// The image and hot spot `cursor` builds its pointer from.
std::optional<Pointer> pointer(const QByteArray& bytes);

}  // namespace Pictures
