#include "platform/media/MidiFile.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(QUENDARA_TEST_DATA "/media/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray be32(quint32 v)
{
    QByteArray b;
    for (int shift = 24; shift >= 0; shift -= 8)
        b.append(char((v >> shift) & 0xFF));
    return b;
}

QByteArray header(int format, int tracks, int division)
{
    QByteArray h("MThd");
    h += be32(6);
    h.append(char(format >> 8)).append(char(format)).append(char(tracks >> 8)).append(char(tracks));
    h.append(char(division >> 8)).append(char(division));
    return h;
}

QByteArray track(const QByteArray& events)
{
    return QByteArray("MTrk") + be32(quint32(events.size())) + events;
}

const QByteArray kEnd = QByteArray::fromHex("00ff2f00");

TEST(MidiFileTest, FixturesLastOneSecondInBothFormats)
{
    for (const char* name : {"tune_format0.mid", "tune_format1.mid"}) {
        const std::optional<MidiFile> file = MidiFile::parse(fixture(name));
        ASSERT_TRUE(file) << name;
        EXPECT_EQ(file->totalTicks(), 960) << name;
        EXPECT_EQ(file->lengthMs(), 1000) << name;
    }
    EXPECT_EQ(MidiFile::parse(fixture("tune_format1.mid"))->trackCount(), 2);
}

TEST(MidiFileTest, TempoChangesShapeTheTimeline)
{
    // 480 ticks per quarter: a quarter at 120 bpm (500 ms), then tempo 60 bpm
    // for two quarters (2000 ms). The end is at 1440 ticks, 2500 ms.
    const QByteArray events = QByteArray::fromHex("00ff510307a120") + QByteArray::fromHex("8360ff51030f4240")
                              + QByteArray::fromHex("8740903c40") + QByteArray::fromHex("00803c00") + kEnd;
    const std::optional<MidiFile> file = MidiFile::parse(header(0, 1, 480) + track(events));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->totalTicks(), 1440);
    EXPECT_EQ(file->ticksToMs(480), 500);
    EXPECT_EQ(file->ticksToMs(960), 1500);
    EXPECT_EQ(file->lengthMs(), 2500);
    EXPECT_EQ(file->msToTicks(250), 240);
    EXPECT_EQ(file->msToTicks(1500), 960);
    EXPECT_EQ(file->msToTicks(2500), 1440);
}

TEST(MidiFileTest, TimeCodeDivisionCountsTicksPerSecond)
{
    // 25 frames per second, 40 ticks per frame: 1000 ticks a second.
    const QByteArray events = QByteArray::fromHex("8768903c40") + QByteArray::fromHex("00803c00") + kEnd;
    const std::optional<MidiFile> file = MidiFile::parse(header(0, 1, 0xE728) + track(events));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->lengthMs(), 1000);
}

TEST(MidiFileTest, RunningStatusAndSysExAreRead)
{
    const QByteArray events = QByteArray::fromHex("00903c40") + QByteArray::fromHex("10") + QByteArray::fromHex("3e40")
                              + QByteArray::fromHex("00f0037e7ff7") + QByteArray::fromHex("10c005") + kEnd;
    const std::optional<MidiFile> file = MidiFile::parse(header(0, 1, 96) + track(events));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->totalTicks(), 32);
}

TEST(MidiFileTest, RefusesBrokenFiles)
{
    const QByteArray good = track(QByteArray::fromHex("00903c40") + kEnd);
    EXPECT_FALSE(MidiFile::parse(QByteArray()));
    EXPECT_FALSE(MidiFile::parse(QByteArray("RIFF....WAVEfmt ")));
    EXPECT_FALSE(MidiFile::parse(header(2, 1, 96) + good)) << "format 2";
    EXPECT_FALSE(MidiFile::parse(header(0, 2, 96) + good + good)) << "format 0 with two tracks";
    EXPECT_FALSE(MidiFile::parse(header(1, 0, 96))) << "no tracks";
    EXPECT_FALSE(MidiFile::parse(header(0, 1, 0) + good)) << "division 0";
    EXPECT_FALSE(MidiFile::parse(header(1, 2, 96) + good)) << "a declared track is missing";
    EXPECT_FALSE(MidiFile::parse(header(0, 1, 96) + good.left(good.size() - 2))) << "chunk runs past the end";
    EXPECT_FALSE(MidiFile::parse(header(0, 1, 96) + track(QByteArray::fromHex("003c40") + kEnd))) << "data before any status";
    EXPECT_FALSE(MidiFile::parse(header(0, 1, 96) + track(QByteArray::fromHex("0090")))) << "event cut short";
    EXPECT_FALSE(MidiFile::parse(header(0, 1, 96) + track(QByteArray::fromHex("00ff0110ab")))) << "meta longer than track";
    EXPECT_FALSE(MidiFile::parse(header(0, 1, 96) + track(QByteArray::fromHex("ffffffff7f903c40"))))
        << "delta longer than four bytes";
    // Deltas adding up past what the synthesizer counts.
    QByteArray far;
    for (int i = 0; i < 10; ++i)
        far += QByteArray::fromHex("ffffff7f903c40");
    EXPECT_FALSE(MidiFile::parse(header(0, 1, 96) + track(far + kEnd)));
}

TEST(MidiFileTest, SkipsUnknownChunks)
{
    const QByteArray extra = QByteArray("XFIH") + be32(3) + QByteArray("abc");
    const std::optional<MidiFile> file =
        MidiFile::parse(header(0, 1, 96) + extra + track(QByteArray::fromHex("60903c40") + kEnd));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->totalTicks(), 96);
}

}  // namespace

TEST(MidiFileTest, KnowsTheInstrumentEachChannelStartsWith)
{
    // Channel 1: bank 8 then program 5, later program 6; the drum channel's
    // program is a kit of bank 128; channel 4 by running status: the first
    // of two program changes counts.
    const QByteArray events = QByteArray::fromHex("00b00008"
                                                  "00c005"
                                                  "00c91a"
                                                  "00c30b"
                                                  "000c"
                                                  "00903c40"
                                                  "00c006")
        + kEnd;
    const std::optional<MidiFile> file = MidiFile::parse(header(1, 2, 96) + track(events) + track(kEnd));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->firstInstrument(0), (MidiFile::Instrument{8, 5}));
    EXPECT_EQ(file->firstInstrument(9), (MidiFile::Instrument{128, 26}));
    EXPECT_EQ(file->firstInstrument(3), (MidiFile::Instrument{0, 11}));
    EXPECT_FALSE(file->firstInstrument(1));
    EXPECT_FALSE(file->firstInstrument(16));
    for (int channel = 0; channel < MidiFile::kChannels; ++channel)
        EXPECT_FALSE(file->playsDefaultInstrument(channel));

    // A note before any program change plays the default instrument; one
    // with velocity 0 is a note off and plays nothing.
    const QByteArray defaults = QByteArray::fromHex("00913c00"
                                                    "00c105"
                                                    "00923c40"
                                                    "00993c40")
        + kEnd;
    const std::optional<MidiFile> plain = MidiFile::parse(header(0, 1, 96) + track(defaults));
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->playsDefaultInstrument(1));
    EXPECT_EQ(plain->firstInstrument(1), (MidiFile::Instrument{0, 5}));
    EXPECT_TRUE(plain->playsDefaultInstrument(2));
    EXPECT_TRUE(plain->playsDefaultInstrument(9));
    EXPECT_FALSE(plain->firstInstrument(2));
}
