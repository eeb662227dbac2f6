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
