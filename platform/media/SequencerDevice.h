#pragma once

#include "platform/media/AudioDevice.h"
#include "platform/media/MidiFile.h"

#include <QByteArray>
#include <QString>

#include <memory>

class SequencerStream;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

// "sequencer": a Standard MIDI File played by FluidSynth with the General
// MIDI SoundFont, through the mixer. Times in milliseconds.
class SequencerDevice final : public AudioDevice {
public:
    static std::unique_ptr<SequencerDevice> open(const QString& path, int& error);
    ~SequencerDevice() override;

    int play() override;
    int pause() override;
    int stop() override;
    int seek(qint64 position) override;

    qint64 length() const override { return m_file.lengthMs(); }
    qint64 position() const override;

private:
    SequencerDevice(MidiFile file, QByteArray bytes, fluid_synth_t* synth, fluid_player_t* player);
    static fluid_player_t* makePlayer(fluid_synth_t* synth, const QByteArray& bytes);
    void refresh() const override;
    void halt(State state);

    MidiFile m_file;
    QByteArray m_bytes;
    fluid_synth_t* m_synth;
    std::shared_ptr<SequencerStream> m_stream;
    bool m_started = false;
    // The position while not playing, in ticks.
    mutable qint64 m_tick = 0;
};
