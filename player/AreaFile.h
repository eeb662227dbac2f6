#pragma once

#include "player/state/VariablesCollection.h"

#include <QString>

#include <optional>

// The area file <n>a.dat of a frame: where the area lies, what it shows, its
// mouse pointer, and the variable conditions under which it is shown.
struct AreaPlacement {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Transparent = false;
    bool HasPicture = false;
    QString Picture;
    qint16 Stretch = 0;
    QString Pointer;
};

namespace AreaFile {

// Areas/<frame>/<n><suffix>, or an empty path when the frame name is not one
// plain name.
QString path(const QString& frame, int n, const QString& suffix);

// Fields 1 to 4, then 5 to 8, then 9, in the order the display applies them;
// `step` tells how far reading got (0 before field 1 .. 3 after field 9).
bool readPlacement(const QString& file, AreaPlacement& placement, int* step = nullptr);

// True when the pointer field names a pointer file: not empty and not
// "default" in any letter case.
bool hasCustomPointer(const QString& pointer);

// Whether area `n` of `frame` is shown: hidden when `disappeared` holds
// (frame, n); otherwise hidden when a variable that must be 0 holds something
// else than 0 or -1 (unknown), or one that must be 1 holds something else
// than 1 or -1. Nothing when the file cannot be read.
std::optional<bool> isVisible(const QString& frame, int n, const VariablesCollection& disappeared,
                              const VariablesCollection& variables);

}  // namespace AreaFile
