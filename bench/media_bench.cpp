// How long a sound takes to be heard: from mmOpen to the first audible
// samples in the mixer's output, for a WAV and for a MIDI file (SoundFont
// already loaded, as it is after the first soundtrack of a game). And how
// long each kind of AVI takes to open and decode all its pictures, which must
// stay well under its playing time.
#include "platform/media/AudioMixer.h"
#include "platform/media/AviDecoder.h"
#include "platform/media/SynthPool.h"
#include "player/state/Mmedia.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QThread>

#include <iterator>

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(QUENDARA_TEST_DATA "/media/") + QString::fromLatin1(name);
}

// Each round opens the next of `files`.
void untilHeard(benchmark::State& state, const QStringList& files)
{
    AudioMixer& mixer = AudioMixer::instance();
    Mmedia media;
    qsizetype round = 0;
    for (auto _ : state) {
        const quint64 before = mixer.audibleFrames();
        media.mmOpen(files[round++ % files.size()]);
        media.mmPlay();
        while (mixer.audibleFrames() == before)
            QThread::usleep(100);
        state.PauseTiming();
        media.mmClose();
        // Let the blocks already mixed drain, so the next round starts silent.
        QThread::msleep(40);
        state.ResumeTiming();
    }
}

void BM_WavOpenPlayUntilHeard(benchmark::State& state)
{
    untilHeard(state, {fixture("tone_pcm16_mono.wav")});
}
BENCHMARK(BM_WavOpenPlayUntilHeard)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

void BM_MidiOpenPlayUntilHeard(benchmark::State& state)
{
    SynthPool::instance().preload();
    untilHeard(state, {fixture("tune_format0.mid")});
}
BENCHMARK(BM_MidiOpenPlayUntilHeard)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

// The demo's first soundtrack, five instruments, after a tune of others: each
// open reads the samples of the instruments the file starts with.
void BM_DemoSoundtrackOpenPlayUntilHeard(benchmark::State& state)
{
    SynthPool::instance().preload();
    untilHeard(state, {QStringLiteral(QUENDARA_SOURCE_DIR "/demo/Frames/night.mid"), fixture("tune_format0.mid")});
}
BENCHMARK(BM_DemoSoundtrackOpenPlayUntilHeard)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

const char* const kMovies[] = {"movie_cinepak.avi", "movie_msvideo1.avi", "movie_cinepak_ima.avi",
                                "movie_mjpeg.avi",   "movie_bgr24.avi",    "movie_pal8.avi"};

void BM_AviOpenAndDecodeAllPictures(benchmark::State& state)
{
    const char* file = kMovies[state.range(0)];
    state.SetLabel(file);
    qint64 pictures = 0;
    for (auto _ : state) {
        AviDecoder decoder;
        if (decoder.open(fixture(file)) != 0) {
            state.SkipWithError("cannot open");
            return;
        }
        while (decoder.decodeNextFrame())
            ++pictures;
    }
    state.SetItemsProcessed(pictures);
}
BENCHMARK(BM_AviOpenAndDecodeAllPictures)->DenseRange(0, std::size(kMovies) - 1)->Unit(benchmark::kMillisecond);

}  // namespace
