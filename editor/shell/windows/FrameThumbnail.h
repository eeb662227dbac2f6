#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

// A frame as the frames list shows it among icons: its background picture,
// or its colour, scaled into `size`; the game's starting frame is marked
// with a flag in its corner.
namespace FrameThumbnail {

QIcon of(const QString& frame, bool starting, QSize size);

}  // namespace FrameThumbnail
