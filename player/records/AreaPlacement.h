#pragma once

#include <QString>
#include <QStringList>

class RecordSync;

// An area file <n>a.dat: where the area lies (twips, as stored; the player
// shows it 30 twips further right and down), what it shows, its mouse pointer,
// and the variables on which its visibility depends.
struct AreaPlacement {
    // Fields read up to the end of each group, for files cut short: the
    // rectangle, the appearance, the pointer, the condition flag.
    enum Fields { RectangleFields = 4, AppearanceFields = 8, PointerFields = 9, ConditionalFields = 10 };

    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Transparent = false;
    bool HasPicture = false;
    QString Picture;  // in Areas/
    // 1 stretches the picture to the area; anything else keeps its size.
    qint16 Stretch = 0;
    QString Pointer;  // in Icons/; empty or "DEFAULT" for the standard one
    // 1 (or any value but 0): visible only when the lists hold.
    qint16 Conditional = 0;
    QStringList MustBeZero;
    QStringList MustBeOne;

    void sync(RecordSync& s);
    // Fields 10 on: the condition flag and the two lists.
    void syncCondition(RecordSync& s);
};

// The same file read for the visibility decision alone, which needs nothing
// of the first nine values but that they are there: they are passed over
// whatever they hold, and the field count goes on as in AreaPlacement. Read
// only.
struct AreaCondition {
    AreaPlacement area;  // only the condition flag and lists are read

    void sync(RecordSync& s);
};
