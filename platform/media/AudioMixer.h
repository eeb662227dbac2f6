#pragma once

#include <QtGlobal>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

class AudioStream;

// The one audio output of the process, through SDL2_mixer: WAV sounds play on
// its channels, streamed sources (MIDI, video sound) are mixed in through its
// music hook, so a sound mixes over a playing MIDI. When no sound card can be
// opened the output falls back to SDL's silent "dummy" driver, which runs the
// same callbacks at the same pace, so playback behaves alike everywhere.
class AudioMixer {
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    static AudioMixer& instance();

    // Opens the output on first use; false when not even the dummy driver
    // works.
    bool ensureOpen();
    bool isOpen() const { return m_open; }
    // Stops the output; the next ensureOpen() opens it again with the
    // environment of that moment.
    void close();

    void addStream(std::shared_ptr<AudioStream> stream);
    // Once this returns the stream is no longer called.
    void removeStream(const AudioStream* stream);

    // Held by code that changes what a stream reads on the audio thread.
    std::unique_lock<std::mutex> lock() { return std::unique_lock<std::mutex>(m_mutex); }

    // Frames mixed so far and how many of them were not silent: tests and
    // benchmarks see from these when sound reached the output.
    quint64 mixedFrames() const { return m_mixedFrames.load(); }
    quint64 audibleFrames() const { return m_audibleFrames.load(); }

    // Adds `in` to `out` sample by sample, clipping at the 16-bit range.
    static void addClipped(qint16* out, const qint16* in, int samples);

private:
    AudioMixer() = default;
    ~AudioMixer();
    bool openWithCurrentDriver();

    static void mixStreams(void* self, quint8* stream, int bytes);
    static void countOutput(void* self, quint8* stream, int bytes);

    bool m_open = false;
    bool m_sdlStarted = false;
    std::mutex m_mutex;
    std::vector<std::shared_ptr<AudioStream>> m_streams;
    std::atomic<quint64> m_mixedFrames{0};
    std::atomic<quint64> m_audibleFrames{0};
};
