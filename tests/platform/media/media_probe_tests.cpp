// Whether the media layer would play a file, judged without a device: every
// fixture the players play is accepted, and a missing or damaged file gets
// the error opening it would give.
#include "platform/media/Mci.h"
#include "platform/media/MediaProbe.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kMedia = QStringLiteral(QUENDARA_TEST_DATA "/media/");

TEST(MediaProbeTest, AcceptsEveryFixtureThePlayersPlay)
{
    for (const QString& file : QDir(kMedia).entryList({QStringLiteral("*.wav")}, QDir::Files))
        EXPECT_EQ(MediaProbe::wave(kMedia + file), 0) << file.toStdString();
    for (const QString& file : QDir(kMedia).entryList({QStringLiteral("*.mid")}, QDir::Files))
        EXPECT_EQ(MediaProbe::midi(kMedia + file), 0) << file.toStdString();
    for (const QString& file : QDir(kMedia).entryList({QStringLiteral("*.avi")}, QDir::Files))
        EXPECT_EQ(MediaProbe::video(kMedia + file), 0) << file.toStdString();
}

TEST(MediaProbeTest, FindsFilesWhateverTheirLetterCase)
{
    EXPECT_EQ(MediaProbe::wave(kMedia + QStringLiteral("TONE_PCM16_MONO.WAV")), 0);
    EXPECT_EQ(MediaProbe::midi(kMedia + QStringLiteral("Tune_Format0.MID")), 0);
}

TEST(MediaProbeTest, MissingAndDamagedFilesGetTheOpeningError)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none"));
    EXPECT_EQ(MediaProbe::wave(missing + QStringLiteral(".wav")), Mci::FileNotFound);
    EXPECT_EQ(MediaProbe::midi(missing + QStringLiteral(".mid")), Mci::FileNotFound);
    EXPECT_EQ(MediaProbe::video(missing + QStringLiteral(".avi")), Mci::FileNotFound);

    // A file cut to its first bytes, as a broken copy leaves it.
    for (const QString& name : {QStringLiteral("tone_pcm16_mono.wav"), QStringLiteral("tune_format1.mid"),
                                QStringLiteral("movie_cinepak.avi")}) {
        QFile whole(kMedia + name);
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        QFile cut(dir.filePath(name));
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write(whole.read(30));
    }
    EXPECT_EQ(MediaProbe::wave(dir.filePath(QStringLiteral("tone_pcm16_mono.wav"))), Mci::InvalidFile);
    EXPECT_EQ(MediaProbe::midi(dir.filePath(QStringLiteral("tune_format1.mid"))), Mci::InvalidFile);
    EXPECT_NE(MediaProbe::video(dir.filePath(QStringLiteral("movie_cinepak.avi"))), 0);
}

}  // namespace
