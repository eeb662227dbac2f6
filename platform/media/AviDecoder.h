#pragma once

#include "platform/media/FfmpegStreamDecoder.h"

#include <QImage>
#include <QString>

struct SwsContext;

// Reads the pictures of a video file (AVI with Cinepak, Microsoft Video 1,
// RLE, Indeo, MJPEG or uncompressed frames; whatever FFmpeg decodes) one
// after the other. The decoder owns the picture it hands out: frame() stays
// valid until the next call that decodes, and a caller that keeps it keeps a
// copy (QImage shares it cheaply).
class AviDecoder {
public:
    AviDecoder() = default;
    ~AviDecoder();
    AviDecoder(const AviDecoder&) = delete;
    AviDecoder& operator=(const AviDecoder&) = delete;

    // 0, or an Mci error code.
    int open(const QString& path);

    int width() const { return m_width; }
    int height() const { return m_height; }
    double frameRate() const { return m_frameRate; }
    qint64 frameCount() const { return m_frameCount; }
    qint64 durationMs() const;

    // Decodes the next picture; false at the end of the video or on a
    // broken file.
    bool decodeNextFrame();
    const QImage& frame() const { return m_frame; }
    // When the current picture is due, from the start of the video.
    qint64 frameTimeMs() const { return m_frameTimeMs; }
    qint64 frameIndex() const;

    // Goes back to the picture due at `ms` (the keyframe before it, then
    // decoding forward); the next decodeNextFrame() gives that picture.
    bool seekMs(qint64 ms);

private:
    // Turns the frame the input just decoded into m_frame.
    bool takePicture();

    FfmpegStreamDecoder m_input;
    SwsContext* m_scaler = nullptr;
    int m_width = 0;
    int m_height = 0;
    double m_frameRate = 15;
    qint64 m_frameCount = 0;
    qint64 m_decodedCount = 0;
    qint64 m_skipBeforeMs = -1;
    QImage m_frame;
    qint64 m_frameTimeMs = 0;
};
