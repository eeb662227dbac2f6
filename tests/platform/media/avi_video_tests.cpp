#include "MediaPlaybackTest.h"

#include "platform/media/VideoSurface.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

// A stand-in for the game window's picture area, with a button under where the
// video plays.
class AviVideoTest : public MediaPlaybackTest {
protected:
    void SetUp() override
    {
        window.resize(320, 240);
        button.setGeometry(200, 200, 100, 30);
        QObject::connect(&button, &QPushButton::clicked, [this] { ++clicks; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

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

// One fixture of each kind of AVI a game may bring: one second of a picture
// whose top and bottom halves have plain colours, with a 440 Hz tone.
struct Movie {
    const char* file;
    QSize size;
    int frames;
    QColor top;
    QColor bottom;
};

const Movie kMovies[] = {
    {"movie_cinepak.avi", QSize(160, 120), 15, Qt::red, Qt::red},  // 8-bit PCM
    {"movie_msvideo1.avi", QSize(128, 96), 15, Qt::blue, Qt::blue},  // IMA ADPCM
    {"movie_cinepak_ima.avi", QSize(96, 72), 12, Qt::black, Qt::cyan},  // stereo IMA ADPCM
    {"movie_mjpeg.avi", QSize(160, 120), 15, Qt::yellow, QColor(0, 128, 0)},  // 16-bit PCM
    {"movie_bgr24.avi", QSize(40, 30), 10, Qt::red, Qt::blue},  // Microsoft ADPCM
    {"movie_pal8.avi", QSize(64, 48), 10, Qt::magenta, Qt::white},  // Microsoft ADPCM
};

class AviMovieTest : public AviVideoTest, public ::testing::WithParamInterface<Movie> {};

void expectColourNear(const QImage& image, QPoint at, const QColor& expected)
{
    SCOPED_TRACE(QStringLiteral("at %1,%2").arg(at.x()).arg(at.y()).toStdString());
    const QColor seen = image.pixelColor(at);
    EXPECT_NEAR(seen.red(), expected.red(), 40);
    EXPECT_NEAR(seen.green(), expected.green(), 40);
    EXPECT_NEAR(seen.blue(), expected.blue(), 40);
}

TEST_F(AviVideoTest, FillsItsRectangleScaledByTheWindowsFactor)
{
    // Red over blue, 40 x 30, in a window that draws its game three times
    // larger with sharp pixels.
    window.setProperty("videoScale", 3);
    window.setProperty("videoSharp", true);
    ASSERT_EQ(send(openCommand("movie_bgr24.avi", QStringLiteral("9"))), 0);
    VideoSurface* video = surface();
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->geometry(), QRect(0, 0, 120, 90));
    ASSERT_EQ(send(QStringLiteral("play 9 wait")), 0);
    const QImage shown = video->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(120, 90));
    for (const int x : {2, 60, 117}) {
        expectColourNear(shown, QPoint(x, 20), Qt::red);
        expectColourNear(shown, QPoint(x, 70), Qt::blue);
    }
    ASSERT_EQ(send(QStringLiteral("Close 9")), 0);
}

TEST_P(AviMovieTest, PlaysEveryFrameAtItsSizeWithItsSoundAndWaitsForTheEnd)
{
    const Movie& movie = GetParam();
    ASSERT_EQ(send(openCommand(movie.file, QStringLiteral("17"))), 0);
    VideoSurface* video = surface();
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->geometry(), QRect(QPoint(0, 0), movie.size));
    EXPECT_FALSE(video->isVisible());
    EXPECT_EQ(status("17", "length"), QString::number(movie.frames));

    const qint64 before = outputSize();
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(send(QStringLiteral("play 17 wait")), 0);
    const qint64 took = clock.elapsed();
    EXPECT_GE(took, 900);
    EXPECT_LT(took, 3000);
    EXPECT_TRUE(video->isVisible());
    // Paced to the frame rate: most frames are drawn, none twice.
    EXPECT_GE(video->framesShown(), movie.frames / 2);
    EXPECT_LE(video->framesShown(), movie.frames);
    EXPECT_EQ(status("17", "mode"), QStringLiteral("stopped"));
    EXPECT_EQ(status("17", "position"), QString::number(movie.frames));

    // The sound came out whole and at its own pitch.
    EXPECT_GT(loudestSince(before), 1000);
    EXPECT_GE(heardMsSince(before), 700);
    EXPECT_NEAR(pitchSince(before), 440, 15);

    // The last picture stays up, the right way up, until the video is stopped.
    const QImage shown = video->grab().toImage();
    ASSERT_EQ(shown.size(), movie.size);
    const int x = movie.size.width() / 2;
    expectColourNear(shown, QPoint(x, movie.size.height() / 4), movie.top);
    expectColourNear(shown, QPoint(x, movie.size.height() * 3 / 4), movie.bottom);

    ASSERT_EQ(send(QStringLiteral("Stop 17")), 0);
    EXPECT_FALSE(video->isVisible());
    ASSERT_EQ(send(QStringLiteral("Close 17")), 0);
    EXPECT_EQ(surface(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Codecs, AviMovieTest, ::testing::ValuesIn(kMovies),
                         [](const ::testing::TestParamInfo<Movie>& info) {
                             // "movie_cinepak_ima.avi" runs as "cinepakima".
                             std::string name = info.param.file;
                             name = name.substr(6, name.find('.') - 6);
                             std::erase(name, '_');
                             return name;
                         });

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
    EXPECT_EQ(status("9", "mode"), QStringLiteral("playing"));
    QTest::qWait(400);
    ASSERT_EQ(send(QStringLiteral("pause 9")), 0);
    EXPECT_EQ(status("9", "mode"), QStringLiteral("paused"));
    const int at = status("9", "position").toInt();
    EXPECT_GE(at, 3);
    EXPECT_LE(at, 12);
    QTest::qWait(200);
    EXPECT_EQ(status("9", "position").toInt(), at);
    ASSERT_EQ(send(QStringLiteral("seek 9 to start")), 0);
    EXPECT_EQ(status("9", "position"), QStringLiteral("0"));
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
    EXPECT_LT(clock.elapsed(), 800);  // no one-second video is waited for
}

// Files cut short by a bad copy or a full disk: a file that is no video is
// refused, and one that lost its end plays what it holds and still ends.
TEST_F(AviVideoTest, BrokenFilesAreRefusedOrPlayWhatTheyHold)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    };
    const auto open = [&](const QString& path) {
        return send(QStringLiteral("Open \"%1\" ALIAS 6 TYPE AviVideo wait parent %2 style child")
                        .arg(path)
                        .arg(quint64(window.winId())));
    };

    EXPECT_EQ(open(write(QStringLiteral("text.avi"), QByteArrayLiteral("not a video\r\n"))), Mci::InvalidFile);
    EXPECT_EQ(open(write(QStringLiteral("header.avi"), QByteArrayLiteral("RIFF\x10\0\0\0AVI LIST\x04\0\0\0hdrl"))),
              Mci::InvalidFile);
    EXPECT_EQ(surface(), nullptr);

    for (const Movie& movie : kMovies) {
        SCOPED_TRACE(movie.file);
        QFile in(fixture(movie.file));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray whole = in.readAll();
        if (open(write(QStringLiteral("cut.avi"), whole.left(whole.size() * 6 / 10))) != 0)
            continue;  // refusing a damaged file is fine too
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(send(QStringLiteral("play 6 wait")), 0);
        EXPECT_LT(clock.elapsed(), 3000);
        EXPECT_EQ(status("6", "mode"), QStringLiteral("stopped"));
        ASSERT_NE(surface(), nullptr);
        EXPECT_GT(surface()->framesShown(), 0);
        EXPECT_EQ(send(QStringLiteral("close 6")), 0);
    }
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
