#pragma once

#include <QtGlobal>

// A source of sound that is produced while it plays (MIDI music, the sound of
// a video) rather than held whole in memory like a WAV. The mixer calls it on
// its audio thread, with the mixer's lock held, for each block of output.
class AudioStream {
public:
    virtual ~AudioStream() = default;
    // Adds `frames` frames of interleaved stereo 16-bit sound at the mixer's
    // rate into `out`, which already holds the other sources.
    virtual void mixInto(qint16* out, int frames) = 0;
};
