#include "platform/media/AviDecoder.h"

#include "platform/media/Mci.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
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
    sws_freeContext(m_scaler);
}

int AviDecoder::open(const QString& path)
{
    if (const int error = m_input.open(path, AVMEDIA_TYPE_VIDEO))
        return error;
    const AVStream* stream = m_input.stream();
    m_width = m_input.codec()->width;
    m_height = m_input.codec()->height;
    if (m_width <= 0 || m_height <= 0 || m_width > kMaxSide || m_height > kMaxSide)
        return Mci::InvalidFile;

    AVRational rate = stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    if (rate.num > 0 && rate.den > 0)
        m_frameRate = std::clamp(av_q2d(rate), 1.0, 120.0);
    if (stream->nb_frames > 0)
        m_frameCount = stream->nb_frames;
    else if (stream->duration > 0)
        m_frameCount = qint64(std::ceil(double(stream->duration) * av_q2d(stream->time_base) * m_frameRate));
    else if (m_input.file()->duration > 0)
        m_frameCount = qint64(std::ceil(double(m_input.file()->duration) / AV_TIME_BASE * m_frameRate));
    m_decodedCount = 0;
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
    while (m_input.decode()) {
        // A picture that cannot be converted is passed over.
        if (!takePicture())
            continue;
        if (m_skipBeforeMs >= 0 && m_frameTimeMs + 500 / m_frameRate < m_skipBeforeMs)
            continue;
        m_skipBeforeMs = -1;
        return true;
    }
    return false;
}

bool AviDecoder::takePicture()
{
    AVFrame* decoded = m_input.decoded();
    const qint64 pts = decoded->best_effort_timestamp;
    if (pts != AV_NOPTS_VALUE)
        m_frameTimeMs = m_input.toMs(pts);
    else
        m_frameTimeMs = qint64(std::llround(double(m_decodedCount) * 1000.0 / m_frameRate));
    ++m_decodedCount;

    // A new picture each time: one handed out earlier may still be shown.
    QImage picture(m_width, m_height, QImage::Format_RGB32);
    if (picture.isNull())
        return false;
    m_scaler = sws_getCachedContext(m_scaler, decoded->width, decoded->height, AVPixelFormat(decoded->format),
                                    m_width, m_height, AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!m_scaler)
        return false;
    uint8_t* planes[4] = {picture.bits(), nullptr, nullptr, nullptr};
    const int strides[4] = {int(picture.bytesPerLine()), 0, 0, 0};
    sws_scale(m_scaler, decoded->data, decoded->linesize, 0, decoded->height, planes, strides);
    av_frame_unref(decoded);
    m_frame = picture;
    return true;
}

bool AviDecoder::seekMs(qint64 ms)
{
    if (!m_input.seekMs(ms))
        return false;
    m_decodedCount = qint64(std::llround(double(ms) * m_frameRate / 1000.0));
    m_skipBeforeMs = ms;
    return true;
}
