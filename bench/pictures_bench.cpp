#include "platform/pictures/Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

// Load time of a game-frame-sized (640 x 480) picture of each format, from
// bytes already in memory, so that the figures are the decoding alone.
// Goals: JPEG within 5 ms, WMF and EMF clip art within 10 ms.
namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(QUENDARA_TEST_DATA "/pictures/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The clip art as LibreOffice drew it, at 640 x 480 on white, written by
// Qt's own writers for the formats it can write.
QByteArray encoded(const char* format, int quality = -1)
{
    QImage scene = QImage(QStringLiteral(QUENDARA_TEST_DATA "/pictures/clipart-reference.png"))
                       .scaled(640, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage paper(scene.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter(&paper).drawImage(0, 0, scene);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    paper.save(&buffer, format, quality);
    return bytes;
}

// An RLE8 bitmap of 8192 x 8192 pixels (the picture limit) whose few bytes
// of data draw a short run on its bottom row and jump far up with a delta:
// nearly every pixel is one the data skips.
QByteArray hugeRle8()
{
    QByteArray data;
    data.append("\xff\x01", 2);          // 255 pixels of colour 1
    data.append("\x00\x02\x10\xff", 4);  // delta: 16 right, 255 up
    data.append("\x10\x02", 2);          // 16 pixels of colour 2
    data.append("\x00\x01", 2);          // end of bitmap
    const int side = 8192;
    QByteArray info;
    const auto put32 = [](QByteArray& b, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xff));
    };
    put32(info, 40);
    put32(info, side);
    put32(info, side);
    info.append("\x01\x00\x08\x00", 4);  // planes, 8 bits per pixel
    put32(info, 1);                         // RLE8
    put32(info, uint32_t(data.size()));
    for (uint32_t v : {0u, 0u, 3u, 0u})  // resolution, colours used, important
        put32(info, v);
    for (uint32_t c : {0x000000u, 0xff0000u, 0x0000ffu})
        put32(info, c);
    QByteArray file("BM");
    put32(file, uint32_t(14 + info.size() + data.size()));
    put32(file, 0);
    put32(file, uint32_t(14 + info.size()));
    return file + info + data;
}

void load(benchmark::State& state, const QByteArray& bytes)
{
    if (Pictures::decode(bytes).isNull()) {
        state.SkipWithError("picture does not load");
        return;
    }
    for (auto _ : state) {
        QImage image = Pictures::decode(bytes);
        benchmark::DoNotOptimize(image);
    }
}

void BM_LoadJpeg(benchmark::State& state) { load(state, encoded("JPEG", 85)); }
void BM_LoadPng(benchmark::State& state) { load(state, encoded("PNG")); }
void BM_LoadBmp24(benchmark::State& state) { load(state, encoded("BMP")); }
void BM_LoadBmpRle8(benchmark::State& state) { load(state, fixture("clipart-rle8.bmp")); }
void BM_LoadBmpRle8Huge(benchmark::State& state) { load(state, hugeRle8()); }
void BM_LoadGif(benchmark::State& state) { load(state, fixture("clipart.gif")); }
void BM_LoadWmfClipArt(benchmark::State& state) { load(state, fixture("clipart.wmf")); }
void BM_LoadEmfClipArt(benchmark::State& state) { load(state, fixture("clipart.emf")); }
void BM_LoadIcon48(benchmark::State& state) { load(state, fixture("multi.ico")); }

// A 200 MB file of zeros named .bmp (sparse on disk): refused from its first
// bytes. Reading it whole first cost about 0.4 s and 200 MB.
void BM_RefuseLargeFileOfZeros(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile zeros(dir.filePath(QStringLiteral("zeros.bmp")));
    if (!zeros.open(QIODevice::WriteOnly) || !zeros.resize(qint64(200) * 1024 * 1024)) {
        state.SkipWithError("cannot make the file");
        return;
    }
    zeros.close();
    for (auto _ : state) {
        QImage image = Pictures::load(zeros.fileName());
        benchmark::DoNotOptimize(image);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024;
}

BENCHMARK(BM_RefuseLargeFileOfZeros)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBmp24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBmpRle8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBmpRle8Huge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWmfClipArt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadEmfClipArt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIcon48)->Unit(benchmark::kMillisecond);

}  // namespace
