#include "PictureCompare.h"

#include "platform/pictures/Pictures.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <random>

using PictureCompare::fixture;

namespace {

QByteArray bytesOf(const char* name)
{
    QFile file(fixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DamagedPictureTest : public testing::TestWithParam<const char*> {};

// Every fixture cut short at many places and with bytes overwritten at
// random: each load must come back (null or a picture within the size
// bounds) without crashing, hanging or reading out of bounds, which the
// sanitizer build checks.
TEST_P(DamagedPictureTest, LoadsOrFailsCleanlyWhateverTheDamage)
{
    const QByteArray whole = bytesOf(GetParam());
    ASSERT_FALSE(whole.isEmpty());
    QElapsedTimer timer;
    timer.start();
    const auto check = [&](const QByteArray& bytes) {
        const QImage image = Pictures::decode(bytes);
        if (!image.isNull()) {
            EXPECT_LE(qint64(image.width()) * image.height(), qint64(8192) * 8192);
        }
        Pictures::pointer(bytes);
    };
    for (int i = 0; i < 24; ++i)
        check(whole.left(whole.size() * i / 24));
    std::mt19937 random(12345);
    for (int round = 0; round < 24; ++round) {
        QByteArray damaged = whole;
        const int changes = 1 + int(random() % 8);
        for (int c = 0; c < changes; ++c) {
            // Mostly the first kilobyte, where headers and counts live.
            const qsizetype limit = (random() % 2) ? std::min<qsizetype>(damaged.size(), 1024) : damaged.size();
            damaged[qsizetype(random() % limit)] = char(random());
        }
        check(damaged);
    }
    // A generous bound: a hang is minutes, the sanitizer build is slow.
    EXPECT_LT(timer.elapsed(), 60000);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, DamagedPictureTest,
                         testing::Values("shapes.wmf", "shapes-plain.wmf", "shapes.emf", "bmp1.bmp", "bmp4.bmp",
                                         "bmp8-rle.bmp", "bmp16-565.bmp", "bmp32.bmp", "bmp4-os2.bmp",
                                         "transparent.gif", "photo.jpg", "alpha.png", "multi.ico", "vista.ico",
                                         "arrow.cur"));

TEST(DamagedPictureTest, RefusesMetafilesWhoseRecordsRunPastTheEnd)
{
    QByteArray wmf = bytesOf("shapes.wmf");
    ASSERT_FALSE(Pictures::decode(wmf).isNull());
    EXPECT_TRUE(Pictures::decode(wmf.left(wmf.size() - 40)).isNull());
    QByteArray emf = bytesOf("shapes.emf");
    ASSERT_FALSE(Pictures::decode(emf).isNull());
    EXPECT_TRUE(Pictures::decode(emf.left(emf.size() - 40)).isNull());
}

TEST(DamagedPictureTest, RefusesMetafilesOfAbsurdSize)
{
    // A placeable header claiming 65535 units at one unit per inch.
    QByteArray wmf = bytesOf("shapes.wmf");
    wmf[10] = char(0xff), wmf[11] = char(0x7f);
    wmf[14] = 1, wmf[15] = 0;
    EXPECT_TRUE(Pictures::decode(wmf).isNull());
    // An EMF frame of a kilometre.
    QByteArray emf = bytesOf("shapes.emf");
    emf[32] = char(0x00), emf[33] = char(0xe1), emf[34] = char(0xf5), emf[35] = char(0x05);
    EXPECT_TRUE(Pictures::decode(emf).isNull());
}

}  // namespace
