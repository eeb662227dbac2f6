#include "platform/pictures/Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

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
void BM_LoadGif(benchmark::State& state) { load(state, fixture("clipart.gif")); }
void BM_LoadWmfClipArt(benchmark::State& state) { load(state, fixture("clipart.wmf")); }
void BM_LoadEmfClipArt(benchmark::State& state) { load(state, fixture("clipart.emf")); }
void BM_LoadIcon48(benchmark::State& state) { load(state, fixture("multi.ico")); }

BENCHMARK(BM_LoadJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBmp24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBmpRle8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWmfClipArt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadEmfClipArt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIcon48)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // Metafiles write text, which needs the font database of an application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
