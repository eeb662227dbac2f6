#pragma once

#include <QtGlobal>

class RecordSync;

// A links file Frames/<frame>.lks: how many clickable areas the frame has.
// Its areas are numbered 1 to LinksCount.
struct LinksFile {
    qint16 LinksCount = 0;

    void sync(RecordSync& s);
};
