#include "MediaPlaybackTest.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

class AudioPlaybackTest : public MediaPlaybackTest {};

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
        EXPECT_NEAR(pitchSince(before), 440, 15);
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
        // The end is timed by the wall clock, which a machine busy with other
        // work can hold back; a late end counts only when it is late three
        // times in a row.
        qint64 ended = -1, midway = -1;
        for (int attempt = 0; attempt < 3; ++attempt) {
            ASSERT_EQ(send(QStringLiteral("Open \"%1\" ALIAS mid3 TYPE Sequencer wait").arg(fixture(name))), 0);
            EXPECT_EQ(status("mid3", "length"), QStringLiteral("1000"));
            const qint64 before = outputSize();
            QElapsedTimer clock;
            clock.start();
            ASSERT_EQ(send(QStringLiteral("Play mid3")), 0);
            EXPECT_EQ(status("mid3", "mode"), QStringLiteral("playing"));
            midway = -1;
            while (status("mid3", "mode") == QLatin1String("playing") && clock.elapsed() < 5000) {
                if (midway < 0 && clock.elapsed() >= 500)
                    midway = status("mid3", "position").toLongLong();
                QThread::msleep(2);
            }
            ended = clock.elapsed();
            RecordProperty(name, int(ended));
            EXPECT_EQ(status("mid3", "mode"), QStringLiteral("stopped"));
            EXPECT_EQ(status("mid3", "position"), QStringLiteral("1000"));
            EXPECT_GT(loudestSince(before), 1000);
            ASSERT_EQ(send(QStringLiteral("Close mid3")), 0);
            // The mixer renders a block or two ahead of the output, so the
            // end may be seen a little early; it must be seen within 100 ms
            // of the last note (output start-up taken into account).
            if (ended >= 950 && ended <= 1000 + 40 + 100 && midway >= 400 && midway <= 600)
                break;
        }
        EXPECT_GE(ended, 950);
        EXPECT_LE(ended, 1000 + 40 + 100);
        EXPECT_GE(midway, 400);
        EXPECT_LE(midway, 600);
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
    EXPECT_EQ(mciSendString(QStringLiteral("open \"%1\" alias w type waveaudio wait").arg(MediaPlaybackTest::fixture("tone_ima_adpcm.wav")), reply), 0);
    EXPECT_EQ(mciSendString(QStringLiteral("open \"%1\" alias m type sequencer wait").arg(MediaPlaybackTest::fixture("tune_format0.mid")), reply), 0);
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
