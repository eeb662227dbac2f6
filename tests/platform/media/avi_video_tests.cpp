#include "platform/media/Mci.h"
#include "platform/media/VideoSurface.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

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

QString status(const QString& alias, const char* item)
{
    QString reply;
    send(QStringLiteral("status %1 %2").arg(alias, QLatin1String(item)), &reply);
    return reply;
}

// A stand-in for the game window's picture area, with a button under where the
// video plays.
class AviVideoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(320, 240);
        button.setGeometry(200, 200, 100, 30);
        QObject::connect(&button, &QPushButton::clicked, [this] { ++clicks; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void TearDown() override { send(QStringLiteral("close all")); }

    QString openCommand(const char* file, const QString& alias)
    {
        return QStringLiteral("Open \"%1\" ALIAS %2 TYPE AviVideo wait parent %3 style child")
            .arg(fixture(file), alias)
            .arg(quint64(window.winId()));
    }

    VideoSurface* surface() const { return window.findChild<VideoSurface*>(); }

    QWidget window;
    QPushButton button{QStringLiteral("Go"), &window};
    int clicks = 0;
};

struct Movie {
    const char* file;
    QSize size;
    QColor colour;
};

TEST_F(AviVideoTest, PlaysEveryFrameAtItsSizeInTheTopLeftCornerAndWaitsForTheEnd)
{
    for (const Movie& movie : {Movie{"movie_cinepak.avi", QSize(160, 120), Qt::red},
                               Movie{"movie_msvideo1.avi", QSize(128, 96), Qt::blue}}) {
        SCOPED_TRACE(movie.file);
        ASSERT_EQ(send(openCommand(movie.file, QStringLiteral("17"))), 0);
        VideoSurface* video = surface();
        ASSERT_NE(video, nullptr);
        EXPECT_EQ(video->geometry(), QRect(QPoint(0, 0), movie.size));
        EXPECT_FALSE(video->isVisible());
        EXPECT_EQ(status(QStringLiteral("17"), "length"), QStringLiteral("15"));

        QElapsedTimer clock;
        clock.start();
        ASSERT_EQ(send(QStringLiteral("play 17 wait")), 0);
        const qint64 took = clock.elapsed();
        EXPECT_GE(took, 900);
        EXPECT_LT(took, 3000);
        EXPECT_TRUE(video->isVisible());
        // Paced to 15 frames a second: most frames are drawn, none twice.
        EXPECT_GE(video->framesShown(), 8);
        EXPECT_LE(video->framesShown(), 15);
        EXPECT_EQ(status(QStringLiteral("17"), "mode"), QStringLiteral("stopped"));
        EXPECT_EQ(status(QStringLiteral("17"), "position"), QStringLiteral("15"));

        // The last picture stays up until the video is stopped.
        const QImage shown = video->grab().toImage();
        ASSERT_EQ(shown.size(), movie.size);
        const QColor centre = shown.pixelColor(movie.size.width() / 2, movie.size.height() / 2);
        EXPECT_NEAR(centre.red(), movie.colour.red(), 40);
        EXPECT_NEAR(centre.green(), movie.colour.green(), 40);
        EXPECT_NEAR(centre.blue(), movie.colour.blue(), 40);

        ASSERT_EQ(send(QStringLiteral("Stop 17")), 0);
        EXPECT_FALSE(video->isVisible());
        ASSERT_EQ(send(QStringLiteral("Close 17")), 0);
        EXPECT_EQ(surface(), nullptr);
    }
}

TEST_F(AviVideoTest, ClicksDuringPlayWaitAreNotHandled)
{
    ASSERT_EQ(send(openCommand("movie_msvideo1.avi", QStringLiteral("3"))), 0);
    int repaintsSeen = 0;
    QTimer::singleShot(300, &window, [&] {
        repaintsSeen = int(surface()->framesShown());
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::keyClick(&button, Qt::Key_Space);
    });
    ASSERT_EQ(send(QStringLiteral("play 3 wait")), 0);
    EXPECT_GT(repaintsSeen, 0);
    EXPECT_EQ(clicks, 0);
    // Once the video has ended the window answers again.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(AviVideoTest, PlayWithoutWaitRunsOnTheEventLoop)
{
    ASSERT_EQ(send(openCommand("movie_cinepak.avi", QStringLiteral("9"))), 0);
    ASSERT_EQ(send(QStringLiteral("play 9")), 0);
    EXPECT_EQ(status(QStringLiteral("9"), "mode"), QStringLiteral("playing"));
    QTest::qWait(400);
    ASSERT_EQ(send(QStringLiteral("pause 9")), 0);
    EXPECT_EQ(status(QStringLiteral("9"), "mode"), QStringLiteral("paused"));
    const int at = status(QStringLiteral("9"), "position").toInt();
    EXPECT_GE(at, 3);
    EXPECT_LE(at, 12);
    QTest::qWait(200);
    EXPECT_EQ(status(QStringLiteral("9"), "position").toInt(), at);
    ASSERT_EQ(send(QStringLiteral("seek 9 to start")), 0);
    EXPECT_EQ(status(QStringLiteral("9"), "position"), QStringLiteral("0"));
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(send(QStringLiteral("play 9 wait")), 0);
    EXPECT_GE(clock.elapsed(), 900);
}

TEST_F(AviVideoTest, RefusesMissingFilesAndUnknownWindows)
{
    EXPECT_EQ(send(QStringLiteral("Open \"%1\" ALIAS 4 TYPE AviVideo wait parent %2 style child")
                       .arg(fixture("no_such_movie.avi"))
                       .arg(quint64(window.winId()))),
              Mci::FileNotFound);
    EXPECT_NE(send(QStringLiteral("Open \"%1\" ALIAS 4 TYPE AviVideo wait parent 1 style child").arg(fixture("movie_cinepak.avi"))), 0);
    EXPECT_EQ(surface(), nullptr);
    // What the game sends after a failed open: play answers at once.
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(send(QStringLiteral("play 4 wait")), Mci::InvalidDeviceName);
    EXPECT_LT(clock.elapsed(), 100);
}

TEST_F(AviVideoTest, ClosingTheParentWindowTakesTheVideoWithIt)
{
    auto* picture = new QWidget(&window);
    picture->setGeometry(0, 0, 200, 150);
    picture->show();
    ASSERT_EQ(send(QStringLiteral("Open \"%1\" ALIAS 5 TYPE AviVideo wait parent %2 style child")
                       .arg(fixture("movie_cinepak.avi"))
                       .arg(quint64(picture->winId()))),
              0);
    ASSERT_EQ(send(QStringLiteral("play 5")), 0);
    delete picture;
    QTest::qWait(100);
    EXPECT_EQ(send(QStringLiteral("stop 5")), 0);
    EXPECT_EQ(send(QStringLiteral("close 5")), 0);
}

}  // namespace
