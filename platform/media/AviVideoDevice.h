#pragma once

#include "platform/media/AviDecoder.h"
#include "platform/media/MciDevice.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class AviAudioStream;
class VideoSurface;

// "avivideo": a video drawn into a child window of the window named by the
// open command (or a window of its own), paced to its frame rate by a timer
// of the user-interface thread, its sound played through the mixer. Times in
// frames.
class AviVideoDevice final : public MciDevice {
public:
    // `parent` is the native handle of the window to draw in; without one the
    // video gets a window of its own.
    static std::unique_ptr<AviVideoDevice> open(const QString& path, std::optional<quint64> parent, int& error);
    ~AviVideoDevice() override;

    int play() override;
    int pause() override;
    int stop() override;
    int seek(qint64 position) override;

    bool isPlaying() const override { return m_state == State::Playing; }
    bool isPaused() const override { return m_state == State::Paused; }
    qint64 length() const override { return m_decoder.frameCount(); }
    qint64 position() const override { return m_position; }

private:
    enum class State { Stopped, Playing, Paused };
    AviVideoDevice() = default;

    // Shows every picture that is due and arms the timer for the next one.
    void advance();
    void finish();
    qint64 clockMs() const { return m_startMs + m_clock.elapsed(); }
    void halt(State state);
    void setAudioRunning(bool running);

    AviDecoder m_decoder;
    std::shared_ptr<AviAudioStream> m_audio;
    QPointer<VideoSurface> m_surface;
    bool m_ownWindow = false;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_startMs = 0;
    // False until the first play and after a seek: the clock then starts at
    // the picture the decoder holds.
    bool m_clockSet = false;
    // The decoder holds a picture not shown yet.
    bool m_pending = false;
    QImage m_lastFrame;
    bool m_atEnd = false;
    State m_state = State::Stopped;
    qint64 m_position = 0;
};
