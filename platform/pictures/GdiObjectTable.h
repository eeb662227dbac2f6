#pragma once

#include "platform/pictures/GdiObjects.h"

#include <QHash>

// The handle table of a playing metafile. A WMF puts each new object in the
// lowest free slot; an EMF names the slot itself. Both declare the table's
// size in their header, which bounds every index.
class GdiObjectTable {
public:
    explicit GdiObjectTable(uint32_t capacity = 0) : capacity_(capacity) {}

    // WMF: stores in the lowest free slot; false when the table is full.
    bool add(GdiObject object);
    // EMF: stores in slot `index`; false when it is outside the table.
    bool put(uint32_t index, GdiObject object);
    void remove(uint32_t index);
    const GdiObject* find(uint32_t index) const;

private:
    uint32_t capacity_;
    // No slot below this one is free, so filling the table stays linear.
    uint32_t lowestFree_ = 0;
    QHash<uint32_t, GdiObject> objects_;
};
