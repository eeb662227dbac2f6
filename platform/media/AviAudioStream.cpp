#include "platform/media/AviAudioStream.h"

#include "platform/media/AudioMixer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>

std::shared_ptr<AviAudioStream> AviAudioStream::open(const QString& path)
{
    std::shared_ptr<AviAudioStream> s(new AviAudioStream);
    if (s->m_input.open(path, AVMEDIA_TYPE_AUDIO) != 0)
        return nullptr;
    AVCodecContext* codec = s->m_input.codec();
    if (codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || codec->ch_layout.nb_channels <= 0) {
        const int channels = std::max(1, codec->ch_layout.nb_channels);
        av_channel_layout_uninit(&codec->ch_layout);
        av_channel_layout_default(&codec->ch_layout, channels);
    }
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (swr_alloc_set_opts2(&s->m_resampler, &stereo, AV_SAMPLE_FMT_S16, AudioMixer::kRate, &codec->ch_layout,
                            codec->sample_fmt, codec->sample_rate, 0, nullptr) < 0
        || swr_init(s->m_resampler) < 0)
        return nullptr;
    return s;
}

AviAudioStream::~AviAudioStream()
{
    swr_free(&m_resampler);
}

void AviAudioStream::mixInto(qint16* out, int frames)
{
    if (!running)
        return;
    const size_t wanted = size_t(frames) * AudioMixer::kChannels;
    while (m_pending.size() < wanted && decodeMore()) {
    }
    const int available = int(std::min(wanted, m_pending.size()));
    for (int i = 0; i < available; ++i) {
        out[i] = qint16(std::clamp(int(out[i]) + int(m_pending.front()), -32768, 32767));
        m_pending.pop_front();
    }
}

bool AviAudioStream::decodeMore()
{
    if (!m_input.decode())
        return false;
    convert();
    av_frame_unref(m_input.decoded());
    return true;
}

void AviAudioStream::convert()
{
    const AVFrame* decoded = m_input.decoded();
    const int capacity = swr_get_out_samples(m_resampler, decoded->nb_samples);
    if (capacity <= 0)
        return;
    std::vector<qint16> converted(size_t(capacity) * AudioMixer::kChannels);
    uint8_t* planes[1] = {reinterpret_cast<uint8_t*>(converted.data())};
    const int made = swr_convert(m_resampler, planes, capacity,
                                 const_cast<const uint8_t**>(decoded->extended_data), decoded->nb_samples);
    if (made <= 0)
        return;
    qint64 skip = std::min<qint64>(m_dropSamples, made);
    m_dropSamples -= skip;
    m_pending.insert(m_pending.end(), converted.begin() + skip * AudioMixer::kChannels,
                     converted.begin() + qint64(made) * AudioMixer::kChannels);
}

void AviAudioStream::seekMs(qint64 ms)
{
    m_pending.clear();
    m_dropSamples = 0;
    if (!m_input.seekMs(ms))
        return;
    swr_init(m_resampler);
    // Audio packets are short; drop what comes before the time asked for by
    // reading the first packet's time.
    m_input.feed();
    if (m_input.lastPacketMs() >= 0)
        m_dropSamples = std::max<qint64>(0, (ms - m_input.lastPacketMs()) * AudioMixer::kRate / 1000);
}
