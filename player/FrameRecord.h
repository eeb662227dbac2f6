#pragma once

#include "player/records/FrameFile.h"

#include <QString>

// A frame as the game holds it: its name, the ten fields of its frame file
// and the number of its clickable areas. The game session keeps its own;
// `current()` is the process-wide one of the frame on screen, which the game
// window keeps up to date and the editor uses for the frame it edits.
struct FrameRecord : FrameFile {
    QString Name;
    qint16 LinksCount = 0;

    static FrameRecord& current();
};

void ResetFrameRecord();

// Sets the frame name and reads the frame file into the current frame record,
// then the links count. Returns false when the frame file could not be read
// completely: the fields read before keep their values, the links count is
// not read and stays 0.
bool LoadFrameFile(const QString& name);

// Reads the links file of the current frame again into LinksCount and returns
// it; 0 when it cannot be read.
qint16 ReadLinksCount();
