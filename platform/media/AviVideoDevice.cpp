#include "platform/media/AviVideoDevice.h"

#include "platform/media/AudioMixer.h"
#include "platform/media/AviAudioStream.h"
#include "platform/media/Mci.h"
#include "platform/media/VideoSurface.h"

#include <QApplication>
#include <QFileInfo>

#include <algorithm>

std::unique_ptr<AviVideoDevice> AviVideoDevice::open(const QString& path, std::optional<quint64> parent, int& error)
{
    // Pacing runs on the event loop, and drawing needs widgets.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        error = Mci::HardwareError;
        return nullptr;
    }
    QWidget* parentWidget = nullptr;
    if (parent) {
        parentWidget = QWidget::find(WId(*parent));
        if (!parentWidget) {
            error = Mci::OutOfRange;  // the handle names no window of ours
            return nullptr;
        }
    }
    std::unique_ptr<AviVideoDevice> device(new AviVideoDevice);
    error = device->m_decoder.open(path);
    if (error)
        return nullptr;
    if (!device->m_decoder.decodeNextFrame()) {
        error = Mci::InvalidFile;
        return nullptr;
    }
    device->m_pending = true;
    // Without sound output the video still plays, silently.
    if (AudioMixer::instance().ensureOpen())
        device->m_audio = AviAudioStream::open(path);

    device->m_ownWindow = parentWidget == nullptr;
    device->m_surface = new VideoSurface(parentWidget);
    device->m_surface->fitVideo(QSize(device->m_decoder.width(), device->m_decoder.height()));
    if (device->m_ownWindow)
        device->m_surface->setWindowTitle(QFileInfo(path).fileName());
    device->m_surface->hide();

    device->m_timer.setSingleShot(true);
    device->m_timer.setTimerType(Qt::PreciseTimer);
    AviVideoDevice* self = device.get();
    QObject::connect(&device->m_timer, &QTimer::timeout, [self] { self->advance(); });
    error = 0;
    return device;
}

AviVideoDevice::~AviVideoDevice()
{
    m_timer.stop();
    if (m_audio)
        AudioMixer::instance().removeStream(m_audio.get());
    delete m_surface.data();
}

void AviVideoDevice::setAudioRunning(bool running)
{
    if (!m_audio)
        return;
    {
        auto lock = AudioMixer::instance().lock();
        m_audio->running = running;
    }
    if (running)
        AudioMixer::instance().addStream(m_audio);
}

int AviVideoDevice::play()
{
    if (m_state == State::Playing || m_atEnd)
        return 0;
    if (m_surface) {
        m_surface->show();
        m_surface->raise();
    }
    if (!m_clockSet && m_pending)
        m_startMs = m_decoder.frameTimeMs();
    m_clockSet = true;
    m_clock.start();
    m_state = State::Playing;
    setAudioRunning(true);
    advance();
    return 0;
}

void AviVideoDevice::advance()
{
    if (m_state != State::Playing)
        return;
    const qint64 now = clockMs();
    // Pictures that are already late are skipped: only the last one due is
    // drawn, so a slow machine keeps time with the sound.
    bool show = false;
    while (m_pending && m_decoder.frameTimeMs() <= now) {
        show = true;
        m_position = m_decoder.frameIndex();
        m_lastFrame = m_decoder.frame();
        m_pending = m_decoder.decodeNextFrame();
    }
    if (show && m_surface)
        m_surface->showFrame(m_lastFrame);
    if (m_pending) {
        m_timer.start(int(std::clamp<qint64>(m_decoder.frameTimeMs() - clockMs(), 0, 1000)));
        return;
    }
    // The last picture stays on screen for its own frame time.
    const qint64 end = std::max(m_decoder.durationMs(), m_decoder.frameTimeMs() + qint64(1000 / m_decoder.frameRate()));
    if (now >= end) {
        finish();
        return;
    }
    m_timer.start(int(std::clamp<qint64>(end - now, 0, 1000)));
}

void AviVideoDevice::finish()
{
    m_timer.stop();
    setAudioRunning(false);
    m_atEnd = true;
    m_position = m_decoder.frameCount();
    m_state = State::Stopped;
}

void AviVideoDevice::halt(State state)
{
    m_timer.stop();
    setAudioRunning(false);
    if (m_state == State::Playing)
        m_startMs = clockMs();
    m_state = state;
}

int AviVideoDevice::pause()
{
    if (m_state == State::Playing)
        halt(State::Paused);
    return 0;
}

int AviVideoDevice::stop()
{
    halt(State::Stopped);
    if (m_surface)
        m_surface->hide();
    return 0;
}

int AviVideoDevice::seek(qint64 position)
{
    if (position < 0 || position > length())
        return Mci::OutOfRange;
    halt(State::Stopped);
    const qint64 ms = qint64(double(position) * 1000.0 / m_decoder.frameRate());
    if (!m_decoder.seekMs(ms))
        return Mci::HardwareError;
    m_pending = m_decoder.decodeNextFrame();
    m_atEnd = !m_pending;
    m_clockSet = false;
    m_position = m_pending ? m_decoder.frameIndex() : length();
    if (m_audio) {
        auto lock = AudioMixer::instance().lock();
        m_audio->seekMs(ms);
    }
    return 0;
}
