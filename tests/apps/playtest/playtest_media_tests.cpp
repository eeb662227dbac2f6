#include "apps/playtest/PlaytestMedia.h"
#include "platform/media/RecordingMci.h"

#include <gtest/gtest.h>

namespace {

struct Seen {
    QString command;
    int result;
    QString reply;
};

TEST(PlaytestMediaTest, PassesCommandsOnAndReportsTheirAnswers)
{
    RecordingMci layer;
    layer.setAnswer(QStringLiteral("Status wav1 mode"), 0, QStringLiteral("playing"));
    layer.setAnswer(QStringLiteral("Open \"gone.wav\" ALIAS wav1 TYPE Waveaudio wait"), Mci::FileNotFound);
    QList<Seen> seen;
    {
        PlaytestMedia media(false, [&](const QString& c, int r, const QString& reply) { seen.append({c, r, reply}); });
        QString reply;
        EXPECT_EQ(mciSendString(QStringLiteral("Open \"gone.wav\" ALIAS wav1 TYPE Waveaudio wait"), reply), Mci::FileNotFound);
        EXPECT_EQ(mciSendString(QStringLiteral("Status wav1 mode"), reply), 0);
        EXPECT_EQ(reply, QStringLiteral("playing"));
    }
    EXPECT_EQ(layer.commands().size(), 2);
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0].result, int(Mci::FileNotFound));
    EXPECT_EQ(seen[1].reply, QStringLiteral("playing"));

    // Gone again: commands reach the layer without being reported.
    QString reply;
    mciSendString(QStringLiteral("Close wav1"), reply);
    EXPECT_EQ(seen.size(), 2);
    EXPECT_EQ(layer.commands().size(), 3);
}

TEST(PlaytestMediaTest, SilentMediaAnswersEverythingWithoutPlaying)
{
    RecordingMci layer;
    layer.setAnswer(QStringLiteral("Status mid1 mode"), 0, QStringLiteral("playing"));
    QList<Seen> seen;
    PlaytestMedia media(true, [&](const QString& c, int r, const QString& reply) { seen.append({c, r, reply}); });
    QString reply = QStringLiteral("stale");
    EXPECT_EQ(mciSendString(QStringLiteral("Open \"x.mid\" ALIAS mid1 TYPE Sequencer wait"), reply), 0);
    EXPECT_EQ(mciSendString(QStringLiteral("Status mid1 mode"), reply), 0);
    EXPECT_TRUE(reply.isEmpty());
    EXPECT_TRUE(layer.commands().isEmpty());
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0].command, QStringLiteral("Open \"x.mid\" ALIAS mid1 TYPE Sequencer wait"));
}

TEST(PlaytestMediaTest, ReachesTheRealLayerWhenNothingElseIsInstalled)
{
    QList<Seen> seen;
    PlaytestMedia media(false, [&](const QString& c, int r, const QString& reply) { seen.append({c, r, reply}); });
    QString reply;
    // The real layer knows no such device: its own error comes back.
    const int result = mciSendString(QStringLiteral("Play nothing7"), reply);
    EXPECT_NE(result, 0);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].result, result);
}

}  // namespace
