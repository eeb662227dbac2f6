#include "platform/media/AudioMixer.h"

#include "platform/media/AudioStream.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QtDebug>

#include <algorithm>
#include <cstdlib>

namespace {
// 512 frames at 44.1 kHz: a block every 11.6 ms, so a sound starts within a
// frame of the game's display.
constexpr int kBlockFrames = 512;
// Below this a sample counts as silence (dither and rounding noise).
constexpr int kAudibleLevel = 64;
}  // namespace

AudioMixer& AudioMixer::instance()
{
    static AudioMixer mixer;
    return mixer;
}

AudioMixer::~AudioMixer()
{
    close();
}

bool AudioMixer::ensureOpen()
{
    if (m_open)
        return true;
    if (openWithCurrentDriver())
        return true;
    // No sound card (a server, a CI machine): play into the silent driver
    // rather than fail every sound of the game.
    qWarning("Audio output unavailable (%s); playing silently", SDL_GetError());
    const QByteArray previous = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "dummy");
    const bool opened = openWithCurrentDriver();
    if (previous.isNull())
        qunsetenv("SDL_AUDIODRIVER");
    else
        qputenv("SDL_AUDIODRIVER", previous);
    return opened;
}

bool AudioMixer::openWithCurrentDriver()
{
    // Qt handles the program's signals; SDL must not take Ctrl+C over.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    m_sdlStarted = true;
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kChannels, kBlockFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlStarted = false;
        return false;
    }
    Mix_AllocateChannels(16);
    Mix_HookMusic(&AudioMixer::mixStreams, this);
    Mix_SetPostMix(&AudioMixer::countOutput, this);
    m_open = true;
    return true;
}

void AudioMixer::close()
{
    if (m_open) {
        Mix_HookMusic(nullptr, nullptr);
        Mix_SetPostMix(nullptr, nullptr);
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        m_open = false;
    }
    if (m_sdlStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlStarted = false;
    }
    std::lock_guard<std::mutex> guard(m_mutex);
    m_streams.clear();
}

void AudioMixer::addStream(std::shared_ptr<AudioStream> stream)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (std::find(m_streams.begin(), m_streams.end(), stream) == m_streams.end())
        m_streams.push_back(std::move(stream));
}

void AudioMixer::removeStream(const AudioStream* stream)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    std::erase_if(m_streams, [stream](const std::shared_ptr<AudioStream>& s) { return s.get() == stream; });
}

void AudioMixer::addClipped(qint16* out, const qint16* in, int samples)
{
    for (int i = 0; i < samples; ++i)
        out[i] = qint16(std::clamp(int(out[i]) + int(in[i]), -32768, 32767));
}

void AudioMixer::mixStreams(void* self, quint8* stream, int bytes)
{
    auto* mixer = static_cast<AudioMixer*>(self);
    // SDL_mixer hands the music hook a silent buffer; the channels are mixed
    // over it afterwards.
    std::fill(stream, stream + bytes, quint8(0));
    const int frames = bytes / int(kChannels * sizeof(qint16));
    std::lock_guard<std::mutex> guard(mixer->m_mutex);
    for (const std::shared_ptr<AudioStream>& s : mixer->m_streams)
        s->mixInto(reinterpret_cast<qint16*>(stream), frames);
}

void AudioMixer::countOutput(void* self, quint8* stream, int bytes)
{
    auto* mixer = static_cast<AudioMixer*>(self);
    const auto* samples = reinterpret_cast<const qint16*>(stream);
    const int frames = bytes / int(kChannels * sizeof(qint16));
    quint64 audible = 0;
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < kChannels; ++c) {
            if (std::abs(int(samples[f * kChannels + c])) > kAudibleLevel) {
                ++audible;
                break;
            }
        }
    }
    mixer->m_mixedFrames += quint64(frames);
    mixer->m_audibleFrames += audible;
}
