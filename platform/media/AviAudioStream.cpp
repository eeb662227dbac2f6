#include "platform/media/AviAudioStream.h"

#include "platform/media/AudioMixer.h"

#include <QFile>

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
    const QByteArray name = QFile::encodeName(path);
    if (avformat_open_input(&s->m_format, name.constData(), nullptr, nullptr) < 0)
        return nullptr;
    if (avformat_find_stream_info(s->m_format, nullptr) < 0)
        return nullptr;
    s->m_stream = av_find_best_stream(s->m_format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (s->m_stream < 0)
        return nullptr;
    for (unsigned i = 0; i < s->m_format->nb_streams; ++i) {
        if (int(i) != s->m_stream)
            s->m_format->streams[i]->discard = AVDISCARD_ALL;
    }
    const AVCodecParameters* parameters = s->m_format->streams[s->m_stream]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    if (!codec)
        return nullptr;
    s->m_codec = avcodec_alloc_context3(codec);
    if (!s->m_codec || avcodec_parameters_to_context(s->m_codec, parameters) < 0
        || avcodec_open2(s->m_codec, codec, nullptr) < 0)
        return nullptr;
    if (s->m_codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || s->m_codec->ch_layout.nb_channels <= 0) {
        const int channels = std::max(1, s->m_codec->ch_layout.nb_channels);
        av_channel_layout_uninit(&s->m_codec->ch_layout);
        av_channel_layout_default(&s->m_codec->ch_layout, channels);
    }
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (swr_alloc_set_opts2(&s->m_resampler, &stereo, AV_SAMPLE_FMT_S16, AudioMixer::kRate, &s->m_codec->ch_layout,
                            s->m_codec->sample_fmt, s->m_codec->sample_rate, 0, nullptr) < 0
        || swr_init(s->m_resampler) < 0)
        return nullptr;
    s->m_decoded = av_frame_alloc();
    s->m_packet = av_packet_alloc();
    if (!s->m_decoded || !s->m_packet)
        return nullptr;
    return s;
}

AviAudioStream::~AviAudioStream()
{
    swr_free(&m_resampler);
    av_packet_free(&m_packet);
    av_frame_free(&m_decoded);
    avcodec_free_context(&m_codec);
    avformat_close_input(&m_format);
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
    if (m_ended)
        return false;
    for (;;) {
        if (avcodec_receive_frame(m_codec, m_decoded) >= 0) {
            convert();
            av_frame_unref(m_decoded);
            return true;
        }
        if (m_draining) {
            m_ended = true;
            return false;
        }
        if (av_read_frame(m_format, m_packet) < 0) {
            avcodec_send_packet(m_codec, nullptr);
            m_draining = true;
            continue;
        }
        if (m_packet->stream_index == m_stream)
            avcodec_send_packet(m_codec, m_packet);
        av_packet_unref(m_packet);
    }
}

void AviAudioStream::convert()
{
    const int capacity = swr_get_out_samples(m_resampler, m_decoded->nb_samples);
    if (capacity <= 0)
        return;
    std::vector<qint16> converted(size_t(capacity) * AudioMixer::kChannels);
    uint8_t* planes[1] = {reinterpret_cast<uint8_t*>(converted.data())};
    const int made = swr_convert(m_resampler, planes, capacity,
                                 const_cast<const uint8_t**>(m_decoded->extended_data), m_decoded->nb_samples);
    if (made <= 0)
        return;
    qint64 skip = std::min<qint64>(m_dropSamples, made);
    m_dropSamples -= skip;
    m_pending.insert(m_pending.end(), converted.begin() + skip * AudioMixer::kChannels,
                     converted.begin() + qint64(made) * AudioMixer::kChannels);
}

void AviAudioStream::seekMs(qint64 ms)
{
    const AVStream* stream = m_format->streams[m_stream];
    const qint64 start = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    const qint64 target = start + av_rescale_q(ms, AVRational{1, 1000}, stream->time_base);
    m_pending.clear();
    m_ended = false;
    m_draining = false;
    m_dropSamples = 0;
    if (av_seek_frame(m_format, m_stream, target, AVSEEK_FLAG_BACKWARD) < 0)
        return;
    avcodec_flush_buffers(m_codec);
    swr_init(m_resampler);
    // Audio packets are short; drop what comes before the time asked for by
    // reading the first packet's time.
    if (av_read_frame(m_format, m_packet) >= 0) {
        if (m_packet->stream_index == m_stream && m_packet->pts != AV_NOPTS_VALUE) {
            const qint64 landedMs = av_rescale_q(m_packet->pts - start, stream->time_base, AVRational{1, 1000});
            m_dropSamples = std::max<qint64>(0, (ms - landedMs) * AudioMixer::kRate / 1000);
        }
        if (m_packet->stream_index == m_stream)
            avcodec_send_packet(m_codec, m_packet);
        av_packet_unref(m_packet);
    }
}
