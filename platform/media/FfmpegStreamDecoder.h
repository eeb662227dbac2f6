#pragma once

#include <QString>
#include <QtGlobal>

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

// One stream of a media file (the pictures or the sound of an AVI) read
// through FFmpeg and decoded. Each user opens the file with a decoder of its
// own, so the picture decoder and the audio thread never share an FFmpeg
// handle; the other streams of the file are skipped while reading.
class FfmpegStreamDecoder {
public:
    FfmpegStreamDecoder() = default;
    ~FfmpegStreamDecoder();
    FfmpegStreamDecoder(const FfmpegStreamDecoder&) = delete;
    FfmpegStreamDecoder& operator=(const FfmpegStreamDecoder&) = delete;

    // Opens the best stream of `type` (an AVMediaType) in the file: 0, or an
    // Mci error code.
    int open(const QString& path, int type);
    bool isOpen() const { return m_codec != nullptr; }

    // Decodes until a frame is ready in decoded(); false at the end of the
    // stream (after the frames the decoder still held) or on a broken file.
    bool decode();
    // Reads the next packet of the stream and hands it to the decoder; false
    // at the end of the file, which starts draining the decoder.
    bool feed();
    // Goes to the packet at or before `ms` from the start of the stream and
    // forgets what the decoder held.
    bool seekMs(qint64 ms);

    // A timestamp of the stream in milliseconds from its start.
    qint64 toMs(qint64 timestamp) const;
    // The time of the last packet feed() handed over, or -1 when it had none.
    qint64 lastPacketMs() const { return m_lastPacketMs; }

    const AVFormatContext* file() const { return m_format; }
    AVStream* stream() const;
    AVCodecContext* codec() const { return m_codec; }
    AVFrame* decoded() const { return m_decoded; }

private:
    void close();

    AVFormatContext* m_format = nullptr;
    AVCodecContext* m_codec = nullptr;
    AVFrame* m_decoded = nullptr;
    AVPacket* m_packet = nullptr;
    int m_stream = -1;
    bool m_draining = false;
    qint64 m_lastPacketMs = -1;
};
