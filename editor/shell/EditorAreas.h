#pragma once

#include "player/records/AreaPlacement.h"

#include <QList>

// The areas of the frame being edited, as the editing canvas shows them.
namespace EditorAreas {

// The placement files of the current frame's areas 1 to LinksCount, read as
// far as the rectangle and the appearance. Reading stops at the first area
// whose file is missing or cut short: the author is told once, and the
// number of areas read is written as the new LinksCount, so that a links file
// claiming more areas than there are files is repaired rather than trusted.
QList<AreaPlacement> LoadEditorAreas();

}  // namespace EditorAreas
