#pragma once

#include <QString>
#include <QTime>
#include <QtGlobal>
#include <qwindowdefs.h>

#include <functional>

// One media player speaking the multimedia command strings: a sound (WAV or
// MIDI) opened under a text alias, and AVI movies played inside a window under
// a number. Every operation sends its command with mciSendString and, apart
// from a failed movie open, ignores the answer.
class Mmedia {
public:
    // Where the current time comes from: the minute goes into a sound's alias,
    // the seconds since midnight seed the movie number.
    using Clock = std::function<QTime()>;

    explicit Mmedia(Clock clock = {});

    void mmOpen(const QString& sTheFile);
    void mmClose();
    void mmPause();
    void mmPlay();
    void mmStop();
    void mmSeek(float nPosition);

    // The property setter: the same as mmOpen.
    void setFileName(const QString& file) { mmOpen(file); }
    bool Wait() const { return m_wait; }
    void setWait(bool bWaitValue) { m_wait = bWaitValue; }
    float Length() const;
    float Position() const;
    void setPosition(float position) { mmSeek(position); }
    QString Status() const;

    // Opens `file` as movie inside the window whose native handle is `where`
    // and returns when it has played to the end. The movie stays on screen
    // until StopMovie.
    void PlayMovie(const QString& file, WId where);
    void StopMovie();

    // The alias of the open sound, empty when none; the number of the last
    // movie, 0 before the first.
    const QString& alias() const { return m_alias; }
    qint16 movieNumber() const { return m_movieNumber; }

    // The leading-number rule for replies: the longest prefix that reads as a
    // decimal number, 0 when there is none ("1500 ms" -> 1500).
    static double leadingNumber(const QString& text);
    // A float as the shortest plain decimal text that reads back as the same
    // float: 1.5 -> "1.5", 1000000 -> "1000000", 0.1 -> "0.1".
    static QString floatText(float value);

private:
    static int send(const QString& command);
    QString query(const QString& item) const;
    QTime now() const;

    Clock m_clock;
    QString m_alias;
    QString m_fileName;
    bool m_wait = false;
    qint16 m_movieNumber = 0;
};

// The three media players of the game, made on first use and kept until the
// program ends: the frame's soundtrack, the sound of an area's action, and the
// frame's video.
Mmedia& SoundtrackMedia();
Mmedia& SoundMedia();
Mmedia& MovieMedia();
