#include "platform/media/Mci.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(QUENDARA_TEST_DATA "/media/") + QString::fromLatin1(name);
}

int send(const QString& command, QString* reply = nullptr)
{
    QString text;
    const int result = mciSendString(command, text);
    if (reply)
        *reply = text;
    return result;
}

QString status(const char* alias, const char* item)
{
    QString reply;
    send(QStringLiteral("status %1 %2").arg(QLatin1String(alias), QLatin1String(item)), &reply);
    return reply;
}

// The real layer playing into SDL's "disk" driver: the mixed output lands in
// a file, at the pace of a sound card, where the tests can read it.
class AudioPlaybackTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        s_previousDriver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(s_dir->filePath(QStringLiteral("output.raw"))));
        Mci::shutdownRealLayer();
    }

    static void TearDownTestSuite()
    {
        Mci::shutdownRealLayer();
        qputenv("SDL_AUDIODRIVER", s_previousDriver);
        qunsetenv("SDL_DISKAUDIOFILE");
        delete s_dir;
        s_dir = nullptr;
    }

    void TearDown() override { send(QStringLiteral("close all")); }

    static qint64 outputSize() { return QFileInfo(s_dir->filePath(QStringLiteral("output.raw"))).size(); }

    // The loudest sample written to the output since byte `from`.
    static int loudestSince(qint64 from)
    {
        QFile file(s_dir->filePath(QStringLiteral("output.raw")));
        if (!file.open(QIODevice::ReadOnly) || !file.seek(from))
            return -1;
        const QByteArray bytes = file.readAll();
        const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
        int loudest = 0;
        for (qsizetype i = 0; i < bytes.size() / 2; ++i)
            loudest = std::max(loudest, std::abs(int(samples[i])));
        return loudest;
    }

    static inline QTemporaryDir* s_dir = nullptr;
    static inline QByteArray s_previousDriver;
};

TEST_F(AudioPlaybackTest, WavOfEveryEncodingPlaysAudiblyUntilItsEnd)
{
    for (const char* name : {"tone_pcm16_mono.wav", "tone_pcm8_stereo.wav", "tone_ima_adpcm.wav", "tone_ms_adpcm.wav"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(send(QStringLiteral("Open \"%1\" ALIAS wav7 TYPE Waveaudio wait").arg(fixture(name))), 0);
        EXPECT_NEAR(status("wav7", "length").toInt(), 500, 20);
        EXPECT_EQ(status("wav7", "mode"), QStringLiteral("stopped"));
        const qint64 before = outputSize();
        QElapsedTimer clock;
        clock.start();
        ASSERT_EQ(send(QStringLiteral("Play wav7 wait")), 0);
        const qint64 took = clock.elapsed();
        EXPECT_GE(took, 400);
        EXPECT_LT(took, 3000);
        EXPECT_EQ(status("wav7", "mode"), QStringLiteral("stopped"));
        EXPECT_EQ(status("wav7", "position"), status("wav7", "length"));
        EXPECT_GT(loudestSince(before), 4000);
        ASSERT_EQ(send(QStringLiteral("Close wav7")), 0);
    }
}

TEST_F(AudioPlaybackTest, WavPausesStopsAndSeeks)
{
    ASSERT_EQ(send(QStringLiteral("open \"%1\" alias w type waveaudio wait").arg(fixture("tone_pcm16_mono.wav"))), 0);
    ASSERT_EQ(send(QStringLiteral("seek w to 250")), 0);
    EXPECT_EQ(status("w", "position"), QStringLiteral("250"));
    ASSERT_EQ(send(QStringLiteral("play w")), 0);
    EXPECT_EQ(status("w", "mode"), QStringLiteral("playing"));
    QThread::msleep(100);
    ASSERT_EQ(send(QStringLiteral("pause w")), 0);
    EXPECT_EQ(status("w", "mode"), QStringLiteral("paused"));
    const int paused = status("w", "position").toInt();
    EXPECT_GE(paused, 300);
    EXPECT_LT(paused, 500);
    QThread::msleep(50);
    EXPECT_EQ(status("w", "position").toInt(), paused);
    ASSERT_EQ(send(QStringLiteral("play w")), 0);
    EXPECT_EQ(status("w", "mode"), QStringLiteral("playing"));
    ASSERT_EQ(send(QStringLiteral("stop w")), 0);
    EXPECT_EQ(status("w", "mode"), QStringLiteral("stopped"));
    EXPECT_EQ(send(QStringLiteral("seek w to 501")), Mci::OutOfRange);
    EXPECT_EQ(send(QStringLiteral("seek w to -1")), Mci::OutOfRange);
    ASSERT_EQ(send(QStringLiteral("seek w to end")), 0);
    // At the end there is nothing to play.
    ASSERT_EQ(send(QStringLiteral("play w wait")), 0);
    EXPECT_EQ(status("w", "mode"), QStringLiteral("stopped"));
}

TEST_F(AudioPlaybackTest, MidiPlaysAudiblyAndReportsItsEndPromptly)
{
    for (const char* name : {"tune_format0.mid", "tune_format1.mid"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(send(QStringLiteral("Open \"%1\" ALIAS mid3 TYPE Sequencer wait").arg(fixture(name))), 0);
        EXPECT_EQ(status("mid3", "length"), QStringLiteral("1000"));
        const qint64 before = outputSize();
        QElapsedTimer clock;
        clock.start();
        ASSERT_EQ(send(QStringLiteral("Play mid3")), 0);
        EXPECT_EQ(status("mid3", "mode"), QStringLiteral("playing"));
        qint64 midway = -1;
        while (status("mid3", "mode") == QLatin1String("playing") && clock.elapsed() < 5000) {
            if (midway < 0 && clock.elapsed() >= 500)
                midway = status("mid3", "position").toLongLong();
            QThread::msleep(2);
        }
        const qint64 ended = clock.elapsed();
        // The mixer renders a block or two ahead of the output, so the end
        // may be seen a little early; it must be seen within 100 ms of the
        // last note (output start-up taken into account).
        RecordProperty(name, int(ended));
        EXPECT_GE(ended, 950);
        EXPECT_LE(ended, 1000 + 40 + 100);
        EXPECT_GE(midway, 400);
        EXPECT_LE(midway, 600);
        EXPECT_EQ(status("mid3", "mode"), QStringLiteral("stopped"));
        EXPECT_EQ(status("mid3", "position"), QStringLiteral("1000"));
        EXPECT_GT(loudestSince(before), 1000);
        ASSERT_EQ(send(QStringLiteral("Close mid3")), 0);
    }
}

TEST_F(AudioPlaybackTest, MidiSeeksAndPlaysAgainAfterItsEnd)
{
    ASSERT_EQ(send(QStringLiteral("open \"%1\" alias m type sequencer").arg(fixture("tune_format0.mid"))), 0);
    ASSERT_EQ(send(QStringLiteral("play m wait")), 0);
    EXPECT_EQ(status("m", "mode"), QStringLiteral("stopped"));
    // Played to its end: a new play does nothing until a seek.
    ASSERT_EQ(send(QStringLiteral("play m")), 0);
    EXPECT_EQ(status("m", "mode"), QStringLiteral("stopped"));
    ASSERT_EQ(send(QStringLiteral("seek m to 750")), 0);
    EXPECT_EQ(status("m", "position"), QStringLiteral("750"));
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(send(QStringLiteral("play m wait")), 0);
    EXPECT_GE(clock.elapsed(), 200);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(send(QStringLiteral("seek m to 1001")), Mci::OutOfRange);
}

TEST_F(AudioPlaybackTest, SoundMixesOverPlayingMusic)
{
    ASSERT_EQ(send(QStringLiteral("Open \"%1\" ALIAS mid1 TYPE Sequencer wait").arg(fixture("tune_format1.mid"))), 0);
    ASSERT_EQ(send(QStringLiteral("Open \"%1\" ALIAS wav1 TYPE Waveaudio wait").arg(fixture("tone_pcm16_mono.wav"))), 0);
    // A second MIDI at the same time gets a synthesizer of its own.
    ASSERT_EQ(send(QStringLiteral("Open \"%1\" ALIAS MID1b TYPE Sequencer wait").arg(fixture("tune_format0.mid"))), 0);
    ASSERT_EQ(send(QStringLiteral("Play mid1")), 0);
    ASSERT_EQ(send(QStringLiteral("Play MID1B")), 0);
    ASSERT_EQ(send(QStringLiteral("Play wav1")), 0);
    EXPECT_EQ(status("mid1", "mode"), QStringLiteral("playing"));
    EXPECT_EQ(status("mid1b", "mode"), QStringLiteral("playing"));
    EXPECT_EQ(status("wav1", "mode"), QStringLiteral("playing"));
    // Closing the sound leaves the music playing.
    ASSERT_EQ(send(QStringLiteral("Close wav1")), 0);
    EXPECT_EQ(status("mid1", "mode"), QStringLiteral("playing"));
}

TEST_F(AudioPlaybackTest, AliasInUseIsRefused)
{
    ASSERT_EQ(send(QStringLiteral("Open \"%1\" ALIAS wav7 TYPE Waveaudio wait").arg(fixture("tone_pcm16_mono.wav"))), 0);
    EXPECT_EQ(send(QStringLiteral("Open \"%1\" ALIAS WAV7 TYPE Waveaudio wait").arg(fixture("tone_ms_adpcm.wav"))),
              Mci::DuplicateAlias);
    // The first one is untouched.
    EXPECT_EQ(status("wav7", "length").toInt(), 500);
}

TEST_F(AudioPlaybackTest, FileNamesAreFoundWhateverTheirCase)
{
    const QString upper = fixture("tone_pcm16_mono.wav").replace(QStringLiteral("tone_pcm16_mono.wav"), QStringLiteral("TONE_PCM16_MONO.WAV"));
    EXPECT_EQ(send(QStringLiteral("Open \"%1\" ALIAS x TYPE Waveaudio wait").arg(upper)), 0);
}

}  // namespace

namespace {

// A machine without a sound card: the output falls back to SDL's silent
// driver and every sound still opens, plays and ends on time.
TEST(AudioWithoutSoundCardTest, PlaysThroughTheSilentDriver)
{
    const QByteArray previous = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no_such_sound_card");
    Mci::shutdownRealLayer();
    QString reply;
    EXPECT_EQ(mciSendString(QStringLiteral("open \"%1\" alias w type waveaudio wait").arg(fixture("tone_ima_adpcm.wav")), reply), 0);
    EXPECT_EQ(mciSendString(QStringLiteral("open \"%1\" alias m type sequencer wait").arg(fixture("tune_format0.mid")), reply), 0);
    EXPECT_EQ(mciSendString(QStringLiteral("play m"), reply), 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(mciSendString(QStringLiteral("play w wait"), reply), 0);
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_EQ(mciSendString(QStringLiteral("status m mode"), reply), 0);
    EXPECT_EQ(reply, QStringLiteral("playing"));
    EXPECT_EQ(mciSendString(QStringLiteral("close all"), reply), 0);
    Mci::shutdownRealLayer();
    qputenv("SDL_AUDIODRIVER", previous);
}

}  // namespace
