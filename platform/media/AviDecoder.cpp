#include "platform/media/AviDecoder.h"

#include "platform/media/Mci.h"

#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>

namespace {
// Videos of that time were a few hundred pixels wide; a file claiming more
// than this is broken or hostile.
constexpr int kMaxSide = 4096;
}  // namespace

AviDecoder::~AviDecoder()
{
    close();
}

void AviDecoder::close()
{
    sws_freeContext(m_scaler);
    m_scaler = nullptr;
    av_packet_free(&m_packet);
    av_frame_free(&m_decoded);
    avcodec_free_context(&m_codec);
    avformat_close_input(&m_format);
}

int AviDecoder::open(const QString& path)
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
    m_stream = av_find_best_stream(m_format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (m_stream < 0)
        return Mci::InvalidFile;
    AVStream* stream = m_format->streams[m_stream];
    for (unsigned i = 0; i < m_format->nb_streams; ++i) {
        if (int(i) != m_stream)
            m_format->streams[i]->discard = AVDISCARD_ALL;
    }
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return Mci::UnsupportedFunction;
    m_codec = avcodec_alloc_context3(codec);
    if (!m_codec || avcodec_parameters_to_context(m_codec, stream->codecpar) < 0)
        return Mci::OutOfMemory;
    if (avcodec_open2(m_codec, codec, nullptr) < 0)
        return Mci::UnsupportedFunction;
    m_width = m_codec->width;
    m_height = m_codec->height;
    if (m_width <= 0 || m_height <= 0 || m_width > kMaxSide || m_height > kMaxSide)
        return Mci::InvalidFile;

    AVRational rate = stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    if (rate.num > 0 && rate.den > 0)
        m_frameRate = std::clamp(av_q2d(rate), 1.0, 120.0);
    if (stream->nb_frames > 0)
        m_frameCount = stream->nb_frames;
    else if (stream->duration > 0)
        m_frameCount = qint64(std::ceil(double(stream->duration) * av_q2d(stream->time_base) * m_frameRate));
    else if (m_format->duration > 0)
        m_frameCount = qint64(std::ceil(double(m_format->duration) / AV_TIME_BASE * m_frameRate));

    m_decoded = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_decoded || !m_packet)
        return Mci::OutOfMemory;
    m_decodedCount = 0;
    m_draining = false;
    return 0;
}

qint64 AviDecoder::durationMs() const
{
    return qint64(std::llround(double(m_frameCount) * 1000.0 / m_frameRate));
}

qint64 AviDecoder::frameIndex() const
{
    return qint64(std::llround(double(m_frameTimeMs) * m_frameRate / 1000.0));
}

bool AviDecoder::decodeNextFrame()
{
    if (!m_codec)
        return false;
    for (;;) {
        if (receive()) {
            if (m_skipBeforeMs >= 0 && m_frameTimeMs + 500 / m_frameRate < m_skipBeforeMs)
                continue;
            m_skipBeforeMs = -1;
            return true;
        }
        if (m_draining)
            return false;
        const int read = av_read_frame(m_format, m_packet);
        if (read < 0) {
            // End of file: let the decoder give up the pictures it holds.
            avcodec_send_packet(m_codec, nullptr);
            m_draining = true;
            continue;
        }
        if (m_packet->stream_index == m_stream)
            avcodec_send_packet(m_codec, m_packet);
        av_packet_unref(m_packet);
    }
}

bool AviDecoder::receive()
{
    if (avcodec_receive_frame(m_codec, m_decoded) < 0)
        return false;
    const AVStream* stream = m_format->streams[m_stream];
    const qint64 pts = m_decoded->best_effort_timestamp;
    if (pts != AV_NOPTS_VALUE) {
        const qint64 start = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
        m_frameTimeMs = qint64(std::llround(double(pts - start) * av_q2d(stream->time_base) * 1000.0));
    } else {
        m_frameTimeMs = qint64(std::llround(double(m_decodedCount) * 1000.0 / m_frameRate));
    }
    ++m_decodedCount;

    // A new picture each time: one handed out earlier may still be shown.
    QImage picture(m_width, m_height, QImage::Format_RGB32);
    if (picture.isNull())
        return false;
    m_scaler = sws_getCachedContext(m_scaler, m_decoded->width, m_decoded->height, AVPixelFormat(m_decoded->format),
                                    m_width, m_height, AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!m_scaler)
        return false;
    uint8_t* planes[4] = {picture.bits(), nullptr, nullptr, nullptr};
    const int strides[4] = {int(picture.bytesPerLine()), 0, 0, 0};
    sws_scale(m_scaler, m_decoded->data, m_decoded->linesize, 0, m_decoded->height, planes, strides);
    av_frame_unref(m_decoded);
    m_frame = picture;
    return true;
}

bool AviDecoder::seekMs(qint64 ms)
{
    if (!m_codec)
        return false;
    const AVStream* stream = m_format->streams[m_stream];
    const qint64 start = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    const qint64 target = start + av_rescale_q(ms, AVRational{1, 1000}, stream->time_base);
    if (av_seek_frame(m_format, m_stream, target, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(m_codec);
    m_draining = false;
    m_decodedCount = qint64(std::llround(double(ms) * m_frameRate / 1000.0));
    m_skipBeforeMs = ms;
    return true;
}
