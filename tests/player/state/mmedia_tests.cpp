#include "platform/ScriptedDialogs.h"
#include "platform/media/RecordingMci.h"
#include "player/state/Mmedia.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

QStringList list(std::initializer_list<const char*> items)
{
    QStringList out;
    for (const char* item : items)
        out.append(QString::fromUtf8(item));
    return out;
}

Mmedia::Clock at(int hour, int minute, int second = 0)
{
    return [=] { return QTime(hour, minute, second); };
}

class MmediaTest : public ::testing::Test {
protected:
    RecordingMci mci;
    ScriptedDialogs dialogs;
    Mmedia media{at(14, 7)};
};

TEST_F(MmediaTest, OpenSendsTypeAndAliasFromEndingAndMinute)
{
    media.mmOpen(QStringLiteral("/game/Areas/door.wav"));
    media.mmOpen(QStringLiteral("/game/Frames/music.mid"));
    media.mmOpen(QStringLiteral("/game/Frames/MUSIC.MID"));
    media.mmOpen(QStringLiteral("/game/My Frames/Loud Song.Wav"));
    EXPECT_EQ(mci.commands(), list({
                                  R"(Open "/game/Areas/door.wav" ALIAS wav7 TYPE Waveaudio wait)",
                                  "Close wav7",
                                  R"(Open "/game/Frames/music.mid" ALIAS mid7 TYPE Sequencer wait)",
                                  "Close mid7",
                                  R"(Open "/game/Frames/MUSIC.MID" ALIAS MID7 TYPE Sequencer wait)",
                                  "Close MID7",
                                  R"(Open "/game/My Frames/Loud Song.Wav" ALIAS Wav7 TYPE Waveaudio wait)",
                              }));
    EXPECT_EQ(media.alias(), QStringLiteral("Wav7"));
}

TEST_F(MmediaTest, MinuteIsWrittenWithoutLeadingZero)
{
    Mmedia atMidnight(at(0, 0));
    Mmedia lateInHour(at(23, 59));
    atMidnight.mmOpen(QStringLiteral("a.wav"));
    lateInHour.mmOpen(QStringLiteral("b.wav"));
    EXPECT_EQ(atMidnight.alias(), QStringLiteral("wav0"));
    EXPECT_EQ(lateInHour.alias(), QStringLiteral("wav59"));
}

TEST_F(MmediaTest, OtherEndingsOpenNothingButCloseTheOpenFile)
{
    media.mmOpen(QStringLiteral("door.wav"));
    mci.clear();
    media.mmOpen(QStringLiteral("voice.mp3"));
    EXPECT_EQ(mci.commands(), list({"Close wav7"}));
    EXPECT_TRUE(media.alias().isEmpty());

    mci.clear();
    media.mmOpen(QStringLiteral("song.midi"));
    media.mmOpen(QStringLiteral("wa"));
    media.mmOpen(QString());
    EXPECT_TRUE(mci.commands().isEmpty());
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(MmediaTest, FileNamePropertyOpensLikeMmOpen)
{
    media.setFileName(QStringLiteral("x.mid"));
    EXPECT_EQ(mci.commands(), list({R"(Open "x.mid" ALIAS mid7 TYPE Sequencer wait)"}));
}

TEST_F(MmediaTest, OperationsOnAnOpenSound)
{
    media.mmOpen(QStringLiteral("door.wav"));
    mci.clear();
    media.mmPlay();
    media.setWait(true);
    EXPECT_TRUE(media.Wait());
    media.mmPlay();
    media.mmPause();
    media.mmStop();
    media.mmSeek(1500.0f);
    media.setPosition(0.1f);
    media.mmClose();
    media.mmClose();
    EXPECT_EQ(mci.commands(), list({"Play wav7", "Play wav7 wait", "Pause wav7", "Stop wav7", "Seek wav7 to 1500",
                                    "Seek wav7 to 0.1", "Close wav7"}));
}

TEST_F(MmediaTest, NothingOpenSendsNothingExceptSeek)
{
    media.mmPlay();
    media.mmPause();
    media.mmStop();
    media.mmClose();
    EXPECT_EQ(media.Status(), QString());
    EXPECT_EQ(media.Length(), 0.0f);
    EXPECT_EQ(media.Position(), 0.0f);
    EXPECT_TRUE(mci.commands().isEmpty());

    media.mmSeek(2.5f);
    EXPECT_EQ(mci.commands(), list({"Seek  to 2.5"}));
}

TEST_F(MmediaTest, StatusQueriesReturnReplies)
{
    media.mmOpen(QStringLiteral("song.mid"));
    mci.setAnswer(QStringLiteral("Status mid7 mode"), 0, QStringLiteral("playing"));
    mci.setAnswer(QStringLiteral("Status mid7 length"), 0, QStringLiteral("61250"));
    mci.setAnswer(QStringLiteral("Status mid7 position"), 0, QStringLiteral("1500") + QChar(0) + QStringLiteral("99"));
    EXPECT_EQ(media.Status(), QStringLiteral("playing"));
    EXPECT_EQ(media.Length(), 61250.0f);
    EXPECT_EQ(media.Position(), 1500.0f);
    EXPECT_EQ(mci.commands().mid(1), list({"Status mid7 mode", "Status mid7 length", "Status mid7 position"}));

    // A failed query leaves the reply empty: the status text is empty too.
    mci.setAnswer(QStringLiteral("Status mid7 mode"), 263, QString());
    EXPECT_EQ(media.Status(), QString());
}

TEST_F(MmediaTest, FailedOpenKeepsAliasSoCloseIsStillSent)
{
    mci.setAnswer(QStringLiteral(R"(Open "gone.wav" ALIAS wav7 TYPE Waveaudio wait)"), 275);
    media.mmOpen(QStringLiteral("gone.wav"));
    media.mmPlay();
    media.mmClose();
    EXPECT_EQ(mci.commands().mid(1), list({"Play wav7", "Close wav7"}));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(MmediaTest, ANameWithAQuotationMarkCountsAsAFileThatCannotBeOpened)
{
    // The mark would close the quoted name and make the rest words of the command.
    media.mmOpen(QStringLiteral("x\" type avivideo alias y.wav"));
    media.mmPlay();
    EXPECT_EQ(mci.commands(), list({"Play wav7"}));
    mci.clear();
    media.PlayMovie(QStringLiteral("a\" parent 1 b.avi"), WId(1));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Error! Probably file not found.")});
    EXPECT_EQ(mci.commands(), QStringList{QStringLiteral("play %1 wait").arg(media.movieNumber())});
}

TEST_F(MmediaTest, TwoPlayersGetTheSameAliasWithinAMinute)
{
    Mmedia other(at(14, 7, 59));
    media.mmOpen(QStringLiteral("a.wav"));
    other.mmOpen(QStringLiteral("b.wav"));
    EXPECT_EQ(media.alias(), other.alias());
}

TEST_F(MmediaTest, PlayMovieOpensInsideTheWindowAndWaits)
{
    const WId window = WId(123456789);
    media.PlayMovie(QStringLiteral("/game/Frames/intro movie.avi"), window);
    const QString n = QString::number(media.movieNumber());
    EXPECT_GE(media.movieNumber(), 1);
    EXPECT_LE(media.movieNumber(), 50);
    EXPECT_EQ(mci.commands(),
              QStringList({QStringLiteral(R"(Open "/game/Frames/intro movie.avi" ALIAS )") + n
                               + QStringLiteral(" TYPE AviVideo wait parent 123456789 style child"),
                           QStringLiteral("play ") + n + QStringLiteral(" wait")}));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    mci.clear();
    media.StopMovie();
    EXPECT_EQ(mci.commands(), QStringList({QStringLiteral("Stop ") + n, QStringLiteral("Close ") + n}));
    // The movie leaves the sound alone.
    EXPECT_TRUE(media.alias().isEmpty());
}

TEST_F(MmediaTest, StopMovieBeforeAnyMovieStopsNumberZero)
{
    media.StopMovie();
    EXPECT_EQ(mci.commands(), list({"Stop 0", "Close 0"}));
}

TEST_F(MmediaTest, MissingMovieShowsMessageAndStillPlays)
{
    mci.setResponder([](const QString& command, QString&) { return command.startsWith(QLatin1String("Open")) ? 275 : 0; });
    media.PlayMovie(QStringLiteral("missing.avi"), WId(1));
    ASSERT_EQ(dialogs.shown().size(), 1);
    const ScriptedDialogs::Shown& shown = dialogs.shown().first();
    EXPECT_EQ(shown.text, QStringLiteral("Error! Probably file not found."));
    EXPECT_EQ(shown.icon, Dialogs::Icon::None);
    EXPECT_EQ(shown.buttons, Dialogs::Buttons::OK);
    ASSERT_EQ(mci.commands().size(), 2);
    EXPECT_EQ(mci.commands().at(1), QStringLiteral("play %1 wait").arg(media.movieNumber()));
}

TEST_F(MmediaTest, MovieNumberComesFromTheSecondOfTheDay)
{
    QSet<int> seen;
    for (int second = 0; second < 24 * 3600; second += 7) {
        Mmedia movie(at(second / 3600, second / 60 % 60, second % 60));
        movie.PlayMovie(QStringLiteral("a.avi"), WId(1));
        ASSERT_GE(movie.movieNumber(), 1);
        ASSERT_LE(movie.movieNumber(), 50);
        seen.insert(movie.movieNumber());
    }
    EXPECT_EQ(seen.size(), 50);

    Mmedia first(at(10, 0, 5));
    Mmedia again(at(10, 0, 5));
    first.PlayMovie(QStringLiteral("a.avi"), WId(1));
    again.PlayMovie(QStringLiteral("b.avi"), WId(1));
    EXPECT_EQ(first.movieNumber(), again.movieNumber());
}

TEST(MmediaTextTest, LeadingNumberReadsTheLongestNumericPrefix)
{
    EXPECT_EQ(Mmedia::leadingNumber(QStringLiteral("1500")), 1500);
    EXPECT_EQ(Mmedia::leadingNumber(QStringLiteral("1500 ms")), 1500);
    EXPECT_EQ(Mmedia::leadingNumber(QStringLiteral("12.5abc")), 12.5);
    EXPECT_EQ(Mmedia::leadingNumber(QStringLiteral("-3")), -3);
    EXPECT_EQ(Mmedia::leadingNumber(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(Mmedia::leadingNumber(QStringLiteral("2e3x")), 2000);
    EXPECT_EQ(Mmedia::leadingNumber(QStringLiteral("2e")), 2);
    EXPECT_EQ(Mmedia::leadingNumber(QStringLiteral("playing")), 0);
    EXPECT_EQ(Mmedia::leadingNumber(QStringLiteral("-")), 0);
    EXPECT_EQ(Mmedia::leadingNumber(QString()), 0);
}

TEST(MmediaTextTest, FloatTextIsShortestPlainDecimal)
{
    EXPECT_EQ(Mmedia::floatText(0), QStringLiteral("0"));
    EXPECT_EQ(Mmedia::floatText(1.5f), QStringLiteral("1.5"));
    EXPECT_EQ(Mmedia::floatText(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(Mmedia::floatText(-250), QStringLiteral("-250"));
    EXPECT_EQ(Mmedia::floatText(1e6f), QStringLiteral("1000000"));
    EXPECT_EQ(Mmedia::floatText(16777217.0f), QStringLiteral("16777216"));
}

TEST(MmediaObjectsTest, ThreePlayersExistOncePerProcess)
{
    EXPECT_EQ(&SoundtrackMedia(), &SoundtrackMedia());
    EXPECT_EQ(&SoundMedia(), &SoundMedia());
    EXPECT_EQ(&MovieMedia(), &MovieMedia());
    EXPECT_NE(&SoundtrackMedia(), &SoundMedia());
    EXPECT_NE(&SoundMedia(), &MovieMedia());
    EXPECT_EQ(MovieMedia().movieNumber(), 0);
    EXPECT_FALSE(SoundMedia().Wait());
}

}  // namespace
