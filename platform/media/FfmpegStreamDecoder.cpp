#include "platform/media/FfmpegStreamDecoder.h"

#include "platform/media/Mci.h"

#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

FfmpegStreamDecoder::~FfmpegStreamDecoder()
{
    close();
}

void FfmpegStreamDecoder::close()
{
    av_packet_free(&m_packet);
    av_frame_free(&m_decoded);
    avcodec_free_context(&m_codec);
    avformat_close_input(&m_format);
    m_stream = -1;
}

int FfmpegStreamDecoder::open(const QString& path, int type)
{
    close();
    // FFmpeg's notes about odd but playable files are of no use to a player.
    av_log_set_level(AV_LOG_ERROR);
    if (!QFile::exists(path))
        return Mci::FileNotFound;
    const QByteArray name = QFile::encodeName(path);
    if (avformat_open_input(&m_format, name.constData(), nullptr, nullptr) < 0)
        return Mci::InvalidFile;
    if (avformat_find_stream_info(m_format, nullptr) < 0)
        return Mci::InvalidFile;
    m_stream = av_find_best_stream(m_format, AVMediaType(type), -1, -1, nullptr, 0);
    if (m_stream < 0)
        return Mci::InvalidFile;
    for (unsigned i = 0; i < m_format->nb_streams; ++i) {
        if (int(i) != m_stream)
            m_format->streams[i]->discard = AVDISCARD_ALL;
    }
    const AVCodecParameters* parameters = m_format->streams[m_stream]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    if (!codec)
        return Mci::UnsupportedFunction;
    m_decoded = av_frame_alloc();
    m_packet = av_packet_alloc();
    AVCodecContext* context = avcodec_alloc_context3(codec);
    if (!m_decoded || !m_packet || !context || avcodec_parameters_to_context(context, parameters) < 0) {
        avcodec_free_context(&context);
        return Mci::OutOfMemory;
    }
    if (avcodec_open2(context, codec, nullptr) < 0) {
        avcodec_free_context(&context);
        return Mci::UnsupportedFunction;
    }
    // Only an opened decoder counts: isOpen() and decode() test for it.
    m_codec = context;
    m_draining = false;
    m_lastPacketMs = -1;
    return 0;
}

AVStream* FfmpegStreamDecoder::stream() const
{
    return m_stream >= 0 ? m_format->streams[m_stream] : nullptr;
}

bool FfmpegStreamDecoder::decode()
{
    if (!m_codec)
        return false;
    for (;;) {
        if (avcodec_receive_frame(m_codec, m_decoded) >= 0)
            return true;
        if (m_draining)
            return false;
        feed();
    }
}

bool FfmpegStreamDecoder::feed()
{
    if (m_draining)
        return false;
    m_lastPacketMs = -1;
    if (av_read_frame(m_format, m_packet) < 0) {
        // End of file: let the decoder give up the frames it holds.
        avcodec_send_packet(m_codec, nullptr);
        m_draining = true;
        return false;
    }
    if (m_packet->stream_index == m_stream) {
        if (m_packet->pts != AV_NOPTS_VALUE)
            m_lastPacketMs = toMs(m_packet->pts);
        avcodec_send_packet(m_codec, m_packet);
    }
    av_packet_unref(m_packet);
    return true;
}

qint64 FfmpegStreamDecoder::toMs(qint64 timestamp) const
{
    const AVStream* s = stream();
    const qint64 start = s->start_time != AV_NOPTS_VALUE ? s->start_time : 0;
    return av_rescale_q(timestamp - start, s->time_base, AVRational{1, 1000});
}

bool FfmpegStreamDecoder::seekMs(qint64 ms)
{
    if (!m_codec)
        return false;
    const AVStream* s = stream();
    const qint64 start = s->start_time != AV_NOPTS_VALUE ? s->start_time : 0;
    const qint64 target = start + av_rescale_q(ms, AVRational{1, 1000}, s->time_base);
    if (av_seek_frame(m_format, m_stream, target, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(m_codec);
    m_draining = false;
    return true;
}
