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

    static constexpr int kChannels = 16;
    // An instrument selected by a program change: the bank (128 on the drum
    // channel 10, else the last bank select of its channel) and the program.
    struct Instrument {
        int bank = 0;
        int program = 0;
        bool operator==(const Instrument&) const = default;
    };
    // The instrument channel `channel` (0 to 15) starts with: the default
    // one (nothing) when it plays a note before any program change, else
    // that of its first program change; nothing either when it has none.
    std::optional<Instrument> firstInstrument(int channel) const;
    // Whether the channel plays a note before any program change.
    bool playsDefaultInstrument(int channel) const;

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
    int m_bank[kChannels] = {};
    bool m_programSeen[kChannels] = {};
    bool m_defaultInstrument[kChannels] = {};
    std::optional<Instrument> m_first[kChannels];
};
