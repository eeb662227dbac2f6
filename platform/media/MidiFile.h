#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <optional>

// What the sequencer needs to know of a Standard MIDI File (format 0 or 1)
// before handing it to the synthesizer: that it is well formed, how many
// ticks it lasts and how ticks map to milliseconds through its tempo changes.
class MidiFile {
public:
    // MIDI files of that time are a few tens of kilobytes; anything this
    // large is not one, and the sequencer refuses it before parsing it.
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

    // The file, or nothing when the bytes are not a well-formed format 0 or 1
    // file (a bad header, a chunk running past the end, an event that reads
    // past its track...).
    static std::optional<MidiFile> parse(const QByteArray& bytes);

    int format() const { return m_format; }
    int trackCount() const { return m_tracks; }
    // The end of the longest track, end-of-track event included.
    qint64 totalTicks() const { return m_totalTicks; }

    qint64 ticksToMs(qint64 ticks) const;
    qint64 msToTicks(qint64 ms) const;
    qint64 lengthMs() const { return ticksToMs(m_totalTicks); }

private:
    struct Tempo {
        qint64 tick = 0;
        qint64 usPerQuarter = 500000;
    };
    bool readTrack(const uchar* data, qint64 size);

    int m_format = 0;
    int m_tracks = 0;
    // Ticks per quarter note, or for time-code files ticks per second.
    int m_ticksPerQuarter = 0;
    int m_ticksPerSecond = 0;
    qint64 m_totalTicks = 0;
    QList<Tempo> m_tempos;
};
