#pragma once

#include "platform/media/AudioStream.h"
#include "platform/media/FfmpegStreamDecoder.h"

#include <QString>

#include <deque>
#include <memory>

struct SwrContext;

// The sound track of a video file, decoded as the mixer asks for it and
// converted to the mixer's format. It reads the file through a handle of its
// own, so the audio thread and the picture decoder never share one. Opened on
// the user-interface thread; afterwards touched only with the mixer's lock
// held.
class AviAudioStream final : public AudioStream {
public:
    // The stream, or null when the file has no sound FFmpeg can decode (the
    // video then plays silently).
    static std::shared_ptr<AviAudioStream> open(const QString& path);
    ~AviAudioStream() override;

    void mixInto(qint16* out, int frames) override;

    // Moves to `ms` from the start of the file.
    void seekMs(qint64 ms);

    bool running = false;

private:
    AviAudioStream() = default;
    bool decodeMore();
    void convert();

    FfmpegStreamDecoder m_input;
    SwrContext* m_resampler = nullptr;
    // Samples decoded and converted but not yet played.
    std::deque<qint16> m_pending;
    // Samples still to drop after a seek, which lands on the packet before
    // the time asked for.
    qint64 m_dropSamples = 0;
};
