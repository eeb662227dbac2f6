#pragma once

#include "player/records/AreaPlacement.h"
#include "player/state/VariablesCollection.h"

#include <QString>

#include <optional>

struct RecordRead;

// The rules the game applies to an area's placement file (AreaPlacement).
namespace AreaFile {

// How far the placement of a file cut short can be applied, in the order the
// display applies it: 0 nothing, 1 the rectangle, 2 the appearance as well,
// 3 the pointer as well (the whole placement).
int placementStep(const RecordRead& read);

// True when the pointer field names a pointer file: not empty and not
// "default" in any letter case.
bool hasCustomPointer(const QString& pointer);

// Whether area `n` of `frame` is shown, from its file's condition as read
// (`area` with `read`, counted as in AreaPlacement): hidden when
// `disappeared` holds (frame, n); otherwise hidden when a variable that must
// be 0 holds something else than 0 or -1 (unknown), or one that must be 1
// holds something else than 1 or -1. Nothing when the file could not be read
// as far as the decision needs: a file cut short after a name that hides the
// area still hides it.
std::optional<bool> isVisible(const AreaPlacement& area, const RecordRead& read, const QString& frame, int n,
                              const VariablesCollection& disappeared, const VariablesCollection& variables);

}  // namespace AreaFile
