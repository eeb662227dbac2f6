#include "platform/media/Mci.h"
#include "platform/media/MciCommand.h"
#include "platform/media/RecordingMci.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

MciCommand::Result parse(const char* text)
{
    return MciCommand::parse(QString::fromUtf8(text));
}

TEST(MciCommandTest, ReadsOpenWithEveryPartTheGameSends)
{
    const auto r = parse(R"(Open "/game/My Frames/intro.avi" ALIAS 17 TYPE AviVideo wait parent 4194307 style child)");
    ASSERT_EQ(r.error, 0);
    EXPECT_EQ(r.command.verb, MciCommand::Verb::Open);
    EXPECT_EQ(r.command.target, QStringLiteral("/game/My Frames/intro.avi"));
    EXPECT_EQ(r.command.alias, QStringLiteral("17"));
    EXPECT_EQ(r.command.type, QStringLiteral("AviVideo"));
    EXPECT_TRUE(r.command.wait);
    ASSERT_TRUE(r.command.parentWindow.has_value());
    EXPECT_EQ(*r.command.parentWindow, 4194307u);
    EXPECT_TRUE(r.command.childStyle);
}

TEST(MciCommandTest, KeywordsIgnoreCaseAndExtraBlanks)
{
    const auto r = parse("  oPeN   \"a.wav\"\talias   Wav7 type waveaudio WAIT ");
    ASSERT_EQ(r.error, 0);
    EXPECT_EQ(r.command.alias, QStringLiteral("Wav7"));
    EXPECT_TRUE(r.command.wait);

    const auto status = parse("STATUS mid7 MODE");
    ASSERT_EQ(status.error, 0);
    EXPECT_EQ(status.command.verb, MciCommand::Verb::Status);
    EXPECT_EQ(status.command.target, QStringLiteral("mid7"));
    EXPECT_EQ(status.command.item, QStringLiteral("mode"));

    const auto play = parse("play 12 wait");
    ASSERT_EQ(play.error, 0);
    EXPECT_EQ(play.command.verb, MciCommand::Verb::Play);
    EXPECT_TRUE(play.command.wait);
}

TEST(MciCommandTest, ReadsSeekPositions)
{
    const auto at = parse("Seek wav7 to 1500.6");
    ASSERT_EQ(at.error, 0);
    EXPECT_EQ(at.command.seekTarget, MciCommand::SeekTarget::Position);
    EXPECT_DOUBLE_EQ(at.command.position, 1500.6);
    EXPECT_EQ(parse("seek a to start").command.seekTarget, MciCommand::SeekTarget::Start);
    EXPECT_EQ(parse("seek a to END").command.seekTarget, MciCommand::SeekTarget::End);
}

TEST(MciCommandTest, RefusesMalformedCommands)
{
    EXPECT_EQ(parse("").error, Mci::MissingCommandString);
    EXPECT_EQ(parse("   ").error, Mci::MissingCommandString);
    EXPECT_EQ(parse("dance wav7").error, Mci::UnrecognizedCommand);
    EXPECT_EQ(parse("play").error, Mci::MissingDeviceName);
    EXPECT_EQ(parse("open \"a.wav alias x").error, Mci::NoClosingQuote);
    EXPECT_EQ(parse("open \"a\"b.wav alias x").error, Mci::ExtraCharacters);
    EXPECT_EQ(parse("open a.wav alias").error, Mci::MissingParameter);
    EXPECT_EQ(parse("open a.wav alias x bogus").error, Mci::UnrecognizedKeyword);
    EXPECT_EQ(parse("open a.wav wait wait").error, Mci::DuplicateFlags);
    EXPECT_EQ(parse("open a.avi parent window").error, Mci::BadInteger);
    EXPECT_EQ(parse("open a.avi style sideways").error, Mci::BadConstant);
    EXPECT_EQ(parse("seek a to here").error, Mci::BadInteger);
    // What mmSeek sends with nothing open: no alias, so "to" is the device.
    EXPECT_NE(parse("Seek  to 2.5").error, 0);
    EXPECT_EQ(parse("seek a").error, Mci::MissingParameter);
    EXPECT_EQ(parse("status a").error, Mci::MissingParameter);
    EXPECT_EQ(parse("stop a now").error, Mci::UnrecognizedKeyword);
}

TEST(MciLayerTest, AnswersErrorsForWhatCannotBeDone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString reply = QStringLiteral("stale");
    const QString missing = dir.filePath(QStringLiteral("missing.wav"));
    EXPECT_EQ(mciSendString(QStringLiteral("Open \"%1\" ALIAS wav1 TYPE Waveaudio wait").arg(missing), reply),
              Mci::FileNotFound);
    EXPECT_TRUE(reply.isEmpty());
    EXPECT_EQ(mciSendString(QStringLiteral("Open \"%1\" ALIAS mid1 TYPE Sequencer wait").arg(dir.filePath(QStringLiteral("x.mid"))), reply),
              Mci::FileNotFound);
    EXPECT_EQ(mciSendString(QStringLiteral("Play wav1"), reply), Mci::InvalidDeviceName);
    EXPECT_EQ(mciSendString(QStringLiteral("Status wav1 mode"), reply), Mci::InvalidDeviceName);
    EXPECT_TRUE(reply.isEmpty());
    EXPECT_EQ(mciSendString(QStringLiteral("Close wav1"), reply), Mci::InvalidDeviceName);
    EXPECT_NE(mciSendString(QStringLiteral("Seek  to 2.5"), reply), 0);
    EXPECT_EQ(mciSendString(QStringLiteral("Open \"%1\" ALIAS x TYPE CDAudio").arg(missing), reply),
              Mci::InvalidDeviceName);
    EXPECT_EQ(mciSendString(QStringLiteral("Open \"%1\" ALIAS x").arg(dir.filePath(QStringLiteral("a.mp3"))), reply),
              Mci::ExtensionNotFound);
    EXPECT_EQ(mciSendString(QStringLiteral("close all"), reply), 0);
}

TEST(MciLayerTest, RefusesFilesThatAreNotWhatTheyClaim)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"text.wav", "text.mid", "text.avi"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("This is not a media file at all, just some words.\n");
    }
    QString reply;
    EXPECT_NE(mciSendString(QStringLiteral("open \"%1\" alias a type waveaudio").arg(dir.filePath(QStringLiteral("text.wav"))), reply), 0);
    EXPECT_NE(mciSendString(QStringLiteral("open \"%1\" alias b type sequencer").arg(dir.filePath(QStringLiteral("text.mid"))), reply), 0);
    EXPECT_NE(mciSendString(QStringLiteral("open \"%1\" alias c type avivideo").arg(dir.filePath(QStringLiteral("text.avi"))), reply), 0);
    // Nothing stayed open under those aliases.
    EXPECT_EQ(mciSendString(QStringLiteral("status a mode"), reply), Mci::InvalidDeviceName);
}

TEST(RecordingMciTest, RecordsAnswersAndRestoresThePreviousLayer)
{
    QString reply;
    {
        RecordingMci outer;
        outer.setAnswer(QStringLiteral("status a mode"), 0, QStringLiteral("playing"));
        {
            RecordingMci inner;
            inner.setResponder([](const QString&, QString& r) {
                r = QStringLiteral("inner");
                return 7;
            });
            EXPECT_EQ(mciSendString(QStringLiteral("status a mode"), reply), 7);
            EXPECT_EQ(reply, QStringLiteral("inner"));
            EXPECT_EQ(inner.commands(), QStringList({QStringLiteral("status a mode")}));
        }
        EXPECT_EQ(mciSendString(QStringLiteral("status a mode"), reply), 0);
        EXPECT_EQ(reply, QStringLiteral("playing"));
        EXPECT_EQ(mciSendString(QStringLiteral("play a"), reply), 0);
        EXPECT_EQ(outer.commands().size(), 2);
    }
    // The real layer again: nothing is open under "a".
    EXPECT_EQ(mciSendString(QStringLiteral("status a mode"), reply), Mci::InvalidDeviceName);
}

}  // namespace
