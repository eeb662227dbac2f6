#pragma once

#include <QString>

// The files of a frame's clickable areas, numbered 1 to LinksCount without
// gaps: each area's placement, action and pickable-object files and the
// events of objects dropped on it, all in the frame's area folder.
namespace AreaFiles {

// Removes area `n` of the current frame: deletes its files, moves the last
// area's files into its place so the numbers stay dense, and writes the
// links count less one. Gives the links count read before (0 when the links
// file could not be read), from which the canvas moves its own controls.
// Tells the author when any step failed. A links file that cannot be read,
// or an `n` outside 1 to the links count, removes nothing and says so.
qint16 RemoveArea(const QString& frameName, qint16 n);

// The event files of the current frame as the events list shows them
// ("<n>_<object>"), in listing order.
QStringList ListEvents();

// The objects of the project by name (one object file each in Areas/), in
// listing order.
QStringList ListObjects();

}  // namespace AreaFiles
