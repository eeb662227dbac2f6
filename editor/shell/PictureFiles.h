#pragma once

#include <QString>
#include <QStringList>

// The files the editor offers as pictures, by their endings: the formats the
// game's picture reader takes. Every list, Browse... dialog and drop of
// pictures asks here, so that they all take the same files.
namespace PictureFiles {

enum class Kind {
    Background,  // a frame's picture
    Area,        // an area's picture, which may also be an icon or a cursor
};

// File name patterns for listing a folder: "*.bmp", "*.gif"...
QStringList patterns(Kind kind);

// A file dialog's filter: "Graphic files (*.bmp *.gif ...)".
QString filter(Kind kind);

// Whether `path` ends, in any letter case, like a picture of `kind`.
bool isPicture(const QString& path, Kind kind);

}  // namespace PictureFiles
