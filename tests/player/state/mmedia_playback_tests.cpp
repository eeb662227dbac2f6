#include "platform/ScriptedDialogs.h"
#include "platform/media/VideoSurface.h"
#include "player/state/Mmedia.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

// Mmedia over the real media layer, as the game uses it.
namespace {

QString fixture(const char* name)
{
    return QStringLiteral(QUENDARA_TEST_DATA "/media/") + QString::fromLatin1(name);
}

TEST(MmediaPlaybackTest, SoundtrackReportsPlayingUntilItsEnd)
{
    Mmedia soundtrack;
    soundtrack.mmOpen(fixture("tune_format1.mid"));
    EXPECT_EQ(soundtrack.Status(), QStringLiteral("stopped"));
    EXPECT_EQ(soundtrack.Length(), 1000.0f);
    soundtrack.mmPlay();
    EXPECT_EQ(soundtrack.Status(), QStringLiteral("playing"));

    // A sound of an area, waited for, plays over the music.
    Mmedia sound;
    sound.setWait(true);
    sound.mmOpen(fixture("tone_pcm16_mono.wav"));
    QElapsedTimer clock;
    clock.start();
    sound.mmPlay();
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_EQ(sound.Status(), QStringLiteral("stopped"));
    EXPECT_EQ(soundtrack.Status(), QStringLiteral("playing"));

    QTest::qWait(1000);
    EXPECT_EQ(soundtrack.Status(), QStringLiteral("stopped"));
    EXPECT_EQ(soundtrack.Position(), 1000.0f);
    soundtrack.mmClose();
    sound.mmClose();
    EXPECT_EQ(soundtrack.Status(), QString());
}

TEST(MmediaPlaybackTest, MoviePlaysInsideTheWindowUntilStopped)
{
    ScriptedDialogs dialogs;
    QWidget pictureBox;
    pictureBox.resize(400, 300);
    pictureBox.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pictureBox));

    Mmedia movie;
    movie.setWait(true);
    QElapsedTimer clock;
    clock.start();
    movie.PlayMovie(fixture("movie_cinepak.avi"), pictureBox.winId());
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    auto* video = pictureBox.findChild<VideoSurface*>();
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->isVisible());
    EXPECT_EQ(video->size(), QSize(160, 120));

    movie.StopMovie();
    EXPECT_EQ(pictureBox.findChild<VideoSurface*>(), nullptr);

    // A missing movie: the message, and the game goes on at once.
    clock.restart();
    movie.PlayMovie(fixture("no_such_movie.avi"), pictureBox.winId());
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_EQ(dialogs.messages(), QStringList({QStringLiteral("Error! Probably file not found.")}));
    movie.StopMovie();
}

}  // namespace
