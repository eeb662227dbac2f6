#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The icon of a game's menu entry, 64 pixels square. The game's own icon is
// a picture in its project folder named after the game (or after its
// program), such as "Castle.ico" or "Castle.png", in the folder itself or in
// its Icons folder; a game without one gets a plain icon in its installer's
// background colour.
namespace MenuIcon {

inline constexpr int kSize = 64;

// The game's own icon file in `sourceFolder`, or empty.
QString find(const QString& sourceFolder, const QStringList& names);

// The icon read from `file`, or drawn in `colour` when there is no file or
// it cannot be read.
QImage make(const QString& file, const QColor& colour);

// The colour of an installer script's BackColor value ("clGreen"); green for
// anything else.
QColor backColour(const QString& value);

}  // namespace MenuIcon
