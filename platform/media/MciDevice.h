#pragma once

#include <QString>
#include <QtGlobal>

// One open media file behind an alias. Positions and lengths are in the
// device's time format: milliseconds for sound, frames for video. Methods
// answer 0 or an Mci error code.
class MciDevice {
public:
    virtual ~MciDevice() = default;

    // Starts playing from the current position and returns at once; the
    // layer waits on isPlaying() when the command says "wait".
    virtual int play() = 0;
    virtual int pause() = 0;
    // Halts playback; the position stays where it was.
    virtual int stop() = 0;
    // Halts playback and moves to `position`, which is within 0..length().
    virtual int seek(qint64 position) = 0;

    virtual bool isPlaying() const = 0;
    virtual bool isPaused() const = 0;
    virtual qint64 length() const = 0;
    virtual qint64 position() const = 0;

    // Sends "status mode": "playing", "paused" or "stopped".
    QString mode() const
    {
        if (isPlaying())
            return QStringLiteral("playing");
        if (isPaused())
            return QStringLiteral("paused");
        return QStringLiteral("stopped");
    }
};
