#include "platform/media/WaveDevice.h"

#include "platform/media/AudioMixer.h"
#include "platform/media/Mci.h"

#include <QFile>

#include <algorithm>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
constexpr int kFrameBytes = AudioMixer::kChannels * 2;
constexpr int kBytesPerSecond = AudioMixer::kRate * kFrameBytes;
}  // namespace

std::unique_ptr<WaveDevice> WaveDevice::open(const QString& path, int& error)
{
    if (!AudioMixer::instance().ensureOpen()) {
        error = Mci::HardwareError;
        return nullptr;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = Mci::FileNotFound;
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    // SDL decodes PCM and both ADPCM kinds and converts to the mixer's format.
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!chunk) {
        error = Mci::InvalidFile;
        return nullptr;
    }
    error = 0;
    return std::unique_ptr<WaveDevice>(new WaveDevice(chunk));
}

WaveDevice::WaveDevice(Mix_Chunk* chunk)
    : m_chunk(chunk)
    , m_playing(chunk)
    , m_length(qint64(chunk->alen) * 1000 / kBytesPerSecond)
{
}

WaveDevice::~WaveDevice()
{
    halt();
    if (m_playing != m_chunk)
        Mix_FreeChunk(m_playing);
    Mix_FreeChunk(m_chunk);
}

bool WaveDevice::channelHoldsOurs() const
{
    return m_channel >= 0 && Mix_GetChunk(m_channel) == m_playing && Mix_Playing(m_channel);
}

void WaveDevice::refresh() const
{
    if (m_state != State::Stopped && !channelHoldsOurs()) {
        m_state = State::Stopped;
        m_position = m_length;
    }
}

qint64 WaveDevice::elapsedPosition() const
{
    return std::min(m_length, m_position + m_clock.elapsed());
}

void WaveDevice::halt()
{
    if (channelHoldsOurs())
        Mix_HaltChannel(m_channel);
    m_channel = -1;
}

int WaveDevice::play()
{
    refresh();
    if (m_state == State::Playing)
        return 0;
    if (m_state == State::Paused && channelHoldsOurs()) {
        Mix_Resume(m_channel);
        m_clock.start();
        m_state = State::Playing;
        return 0;
    }
    halt();
    if (m_position >= m_length)
        return 0;  // at the end: nothing left to play, as with the Windows layer
    if (m_playing != m_chunk) {
        Mix_FreeChunk(m_playing);
        m_playing = m_chunk;
    }
    if (m_position > 0) {
        const Uint32 offset = Uint32(m_position * kBytesPerSecond / 1000) / kFrameBytes * kFrameBytes;
        // Shares the samples of m_chunk; freeing it leaves them alone.
        m_playing = Mix_QuickLoad_RAW(m_chunk->abuf + offset, m_chunk->alen - offset);
        if (!m_playing) {
            m_playing = m_chunk;
            return Mci::OutOfMemory;
        }
    }
    m_channel = Mix_PlayChannel(-1, m_playing, 0);
    if (m_channel < 0)
        return Mci::HardwareError;
    m_clock.start();
    m_state = State::Playing;
    return 0;
}

int WaveDevice::pause()
{
    refresh();
    if (m_state != State::Playing)
        return 0;
    Mix_Pause(m_channel);
    m_position = elapsedPosition();
    m_state = State::Paused;
    return 0;
}

int WaveDevice::stop()
{
    refresh();
    if (m_state == State::Playing)
        m_position = elapsedPosition();
    halt();
    m_state = State::Stopped;
    return 0;
}

int WaveDevice::seek(qint64 position)
{
    if (position < 0 || position > m_length)
        return Mci::OutOfRange;
    halt();
    m_state = State::Stopped;
    m_position = position;
    return 0;
}

qint64 WaveDevice::position() const
{
    refresh();
    return m_state == State::Playing ? elapsedPosition() : m_position;
}
