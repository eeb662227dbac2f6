#pragma once

#include <QString>

class RecordSync;

// An area's pickable-object file <n>c.dat: whether clicking the area puts an
// object into the inventory, the object's name and its inventory icon.
struct PickableRecord {
    qint16 Pickable = 0;  // the player picks only on 1
    QString ObjectName;
    QString Icon;  // in Areas/

    void sync(RecordSync& s);
};
