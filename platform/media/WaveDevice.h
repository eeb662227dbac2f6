#pragma once

#include "platform/media/AudioDevice.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

struct Mix_Chunk;

// "waveaudio": a WAV file (PCM, IMA or Microsoft ADPCM, any common rate),
// decoded whole at open and played on a channel of the mixer. Times in
// milliseconds.
class WaveDevice final : public AudioDevice {
public:
    // The device, or null with `error` set.
    static std::unique_ptr<WaveDevice> open(const QString& path, int& error);
    ~WaveDevice() override;

    int play() override;
    int pause() override;
    int stop() override;
    int seek(qint64 position) override;

    qint64 length() const override { return m_length; }
    qint64 position() const override;

private:
    explicit WaveDevice(Mix_Chunk* chunk);

    // Notices a sound that has played to its end.
    void refresh() const override;
    bool channelHoldsOurs() const;
    qint64 elapsedPosition() const;
    void halt();

    Mix_Chunk* m_chunk = nullptr;
    // The part of m_chunk from the current position on; m_chunk itself when
    // playing from the start.
    Mix_Chunk* m_playing = nullptr;
    qint64 m_length = 0;
    int m_channel = -1;
    mutable qint64 m_position = 0;  // when not playing; where play started when playing
    QElapsedTimer m_clock;
};
