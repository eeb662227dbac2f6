#pragma once

#include <QString>

class RecordSync;

// A frame file Frames/<frame>.fme: the ten values that describe a frame, in
// file order.
struct FrameFile {
    qint16 FrameKind = 0;  // 0 a solid colour, 1 a picture
    // Kind 0: the colour number; kind 1: the picture's file name in Frames/.
    QString Background;
    // How the background was written: as a plain number (true) or in
    // quotes. The editor writes a colour both ways; the player reads text.
    bool BackgroundBare = false;
    bool Tiled = false;
    bool StopSounds = false;
    QString Soundtrack;
    bool HasDuration = false;
    // Whole seconds. The player reads a 16-bit integer; a fraction written by
    // older editors is rounded as it is read.
    qint16 DurationSeconds = 0;
    QString DurationTarget;
    QString Video;
    bool SoundAfterVideo = true;

    void sync(RecordSync& s);
};
