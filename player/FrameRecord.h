#pragma once

#include <QString>

// The frame on screen: its name, the ten fields of its .fme file and the
// number of its clickable areas. One process-wide instance.
struct FrameRecord {
    QString Name;
    qint16 FrameKind = 0;
    QString Background;
    bool Tiled = false;
    bool StopSounds = false;
    QString Soundtrack;
    bool HasDuration = false;
    qint16 DurationSeconds = 0;
    QString DurationTarget;
    QString Video;
    bool SoundAfterVideo = true;
    qint16 LinksCount = 0;

    static FrameRecord& current();
};

void ResetFrameRecord();

// Sets the frame name and reads Frames/<name>.fme into the frame record, then
// the links count. Returns false when the .fme file could not be read
// completely: the fields read before keep their values, the links count is
// not read and stays 0.
bool LoadFrameFile(const QString& name);

// Reads the links file of the current frame again into LinksCount and returns
// it; 0 when it cannot be read.
qint16 ReadLinksCount();

// Reads the ten values of a frame file into `record` (its other members are
// left as they are).
bool ReadFrameFile(const QString& path, FrameRecord& record);
