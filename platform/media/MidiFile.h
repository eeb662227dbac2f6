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

    // An instrument the file selects with a program change: the bank (128
    // for the drum channel 10, else the last bank select of its channel) and
    // the program. Each one once, in the order first met.
    struct Instrument {
        int bank = 0;
        int program = 0;
        bool operator==(const Instrument&) const = default;
    };
    const QList<Instrument>& instruments() const { return m_instruments; }
    // The channels (0 to 15) that play a note before any program change:
    // they play the synthesizer's default instrument.
    const QList<int>& defaultInstrumentChannels() const { return m_defaultChannels; }

private:
    struct Tempo {
        qint64 tick = 0;
        qint64 usPerQuarter = 500000;
    };
    bool readTrack(const uchar* data, qint64 size);
    void noteChannelMessage(uchar status, const uchar* data);

    int m_format = 0;
    int m_tracks = 0;
    // Ticks per quarter note, or for time-code files ticks per second.
    int m_ticksPerQuarter = 0;
    int m_ticksPerSecond = 0;
    qint64 m_totalTicks = 0;
    QList<Tempo> m_tempos;
    QList<Instrument> m_instruments;
    int m_bank[16] = {};
    bool m_programSeen[16] = {};
    QList<int> m_defaultChannels;
};
