#include "platform/pictures/DibDecoder.h"

#include <QByteArray>

#include <gtest/gtest.h>

// Bitmaps no tool at hand writes (RLE4, deltas, top-down rows, damaged
// headers) are spelled out byte by byte here, as the format describes them.
namespace {

void put16(QByteArray& b, int v)
{
    b.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}
void put32(QByteArray& b, int64_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

QByteArray infoHeader(int width, int height, int bits, int compression, int colors)
{
    QByteArray b;
    put32(b, 40);
    put32(b, width);
    put32(b, height);
    put16(b, 1);
    put16(b, bits);
    put32(b, compression);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, colors);
    put32(b, 0);
    return b;
}

// Palette: 0 black, 1 red, 2 green, 3 blue, the rest grey.
QByteArray withPalette(QByteArray header, int colors)
{
    const QRgb table[] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int i = 0; i < colors; ++i) {
        const QRgb c = i < 4 ? table[i] : qRgb(128, 128, 128);
        header.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    return header;
}

TEST(DibDecoderTest, DecodesRle4RunsAbsoluteRunsAndDeltas)
{
    QByteArray dib = withPalette(infoHeader(8, 3, 4, 2, 16), 16);
    const char rle[] = {
        4, 0x12,            // bottom row: red, green, red, green
        0, 3, 0x31, 0x20,   // absolute run of 3: blue, red, green (padded to a word)
        0, 0,               // end of line
        0, 2, 2, 1,         // delta: two right, one up, to the top row
        2, 0x33,            // two blue
        0, 1,               // end of bitmap
    };
    dib.append(rle, sizeof rle);
    DibDecoder::Options options;
    options.rleSkipsTransparent = true;
    const QImage image = DibDecoder::decodePacked(dib, options);
    ASSERT_EQ(image.size(), QSize(8, 3));
    EXPECT_EQ(image.pixel(0, 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 2), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(4, 2), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(6, 2), qRgb(0, 255, 0));
    EXPECT_EQ(qAlpha(image.pixel(7, 2)), 0);
    // The middle row was jumped over, the top row filled from x = 2.
    EXPECT_EQ(qAlpha(image.pixel(3, 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0);
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(3, 0), qRgb(0, 0, 255));

    // Loaded as a picture, skipped pixels show the first colour.
    const QImage picture = DibDecoder::decodePacked(dib, {});
    EXPECT_EQ(picture.pixel(3, 1), qRgb(0, 0, 0));
}

TEST(DibDecoderTest, ClipsRunsThatOverflowTheRowAndStopsAtTheLastRow)
{
    QByteArray dib = withPalette(infoHeader(4, 2, 8, 1, 4), 4);
    const char rle[] = {char(200), 1, 0, 0, char(255), 2, 0, 0, 10, 3, 0, 0, 0, 1};
    dib.append(rle, sizeof rle);
    const QImage image = DibDecoder::decodePacked(dib, {});
    ASSERT_EQ(image.size(), QSize(4, 2));
    EXPECT_EQ(image.pixel(3, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(3, 0), qRgb(0, 255, 0));
}

// A few bytes of RLE data may declare a picture at the size limit. The runs
// go straight into the picture: the skipped pixels keep their colour, in
// either row order, and the load stays within a picture's own memory.
TEST(DibDecoderTest, DecodesALargeDeclaredRleBitmapWithLittleData)
{
    for (const int height : {8192, -8192}) {
        QByteArray dib = withPalette(infoHeader(8192, height, 8, 1, 4), 4);
        const char rle[] = {
            char(255), 1,              // first row: 255 red
            0, 2, 16, char(255),       // delta: 16 right, 255 rows on
            16, 3,                     // 16 blue at x = 271
            0, 0,                      // end of line
            0, 4, 2, 3, 2, 1,          // absolute run: green, blue, green, red
            0, 1,                      // end of bitmap
        };
        dib.append(rle, sizeof rle);
        DibDecoder::Options options;
        options.rleSkipsTransparent = true;
        const QImage image = DibDecoder::decodePacked(dib, options);
        ASSERT_EQ(image.size(), QSize(8192, 8192)) << height;
        // Rows count from the bottom of a bottom-up bitmap, from the top of
        // a top-down one.
        const auto row = [&](int fromFirst) { return height > 0 ? 8191 - fromFirst : fromFirst; };
        EXPECT_EQ(image.pixel(0, row(0)), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(254, row(0)), qRgb(255, 0, 0));
        EXPECT_EQ(qAlpha(image.pixel(255, row(0))), 0);
        EXPECT_EQ(qAlpha(image.pixel(270, row(255))), 0);
        EXPECT_EQ(image.pixel(271, row(255)), qRgb(0, 0, 255));
        EXPECT_EQ(image.pixel(286, row(255)), qRgb(0, 0, 255));
        EXPECT_EQ(qAlpha(image.pixel(287, row(255))), 0);
        EXPECT_EQ(image.pixel(0, row(256)), qRgb(0, 255, 0));
        EXPECT_EQ(image.pixel(1, row(256)), qRgb(0, 0, 255));
        EXPECT_EQ(image.pixel(3, row(256)), qRgb(255, 0, 0));
        EXPECT_EQ(qAlpha(image.pixel(4, row(256))), 0);
        EXPECT_EQ(qAlpha(image.pixel(4000, row(8191))), 0);

        // As a picture, the skipped pixels show the first colour, black.
        const QImage picture = DibDecoder::decodePacked(dib, {});
        ASSERT_EQ(picture.size(), QSize(8192, 8192));
        EXPECT_EQ(picture.pixel(255, row(0)), qRgb(0, 0, 0));
        EXPECT_EQ(picture.pixel(8191, row(8191)), qRgb(0, 0, 0));
        EXPECT_EQ(picture.pixel(271, row(255)), qRgb(0, 0, 255));
    }
}

TEST(DibDecoderTest, ReadsTopDownRowsAndBitFieldMasks)
{
    QByteArray dib = infoHeader(2, -2, 16, 3, 0);
    put32(dib, 0xf800);
    put32(dib, 0x07e0);
    put32(dib, 0x001f);
    for (int v : {0xf800, 0x07e0, 0x001f, 0xffff})
        put16(dib, v);
    const QImage image = DibDecoder::decodePacked(dib, {});
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
}

TEST(DibDecoderTest, RefusesHeadersTheDataCannotHold)
{
    // Rows missing.
    QByteArray shortRows = infoHeader(100, 100, 24, 0, 0);
    shortRows.append(QByteArray(100, '\0'));
    EXPECT_TRUE(DibDecoder::decodePacked(shortRows, {}).isNull());
    // Absurd sizes are refused before anything is allocated.
    QByteArray huge = infoHeader(1 << 30, 1 << 30, 1, 0, 2);
    huge.append(QByteArray(64, '\0'));
    EXPECT_TRUE(DibDecoder::decodePacked(huge, {}).isNull());
    QByteArray negativeWidth = infoHeader(-5, 4, 24, 0, 0);
    negativeWidth.append(QByteArray(256, '\0'));
    EXPECT_TRUE(DibDecoder::decodePacked(negativeWidth, {}).isNull());
    // A header that claims to be longer than the data, and depths that do
    // not exist.
    QByteArray longHeader = infoHeader(2, 2, 24, 0, 0);
    longHeader[0] = char(200);
    EXPECT_TRUE(DibDecoder::decodePacked(longHeader, {}).isNull());
    QByteArray oddDepth = infoHeader(2, 2, 7, 0, 0);
    oddDepth.append(QByteArray(64, '\0'));
    EXPECT_TRUE(DibDecoder::decodePacked(oddDepth, {}).isNull());
}

TEST(DibDecoderTest, IgnoresAnAllZeroFourthByteButHonoursRealAlphaInIcons)
{
    QByteArray dib = infoHeader(1, 2, 32, 0, 0);  // as an icon: one row of colour, one of mask
    put32(dib, 0x00ff0000);
    put32(dib, 0);  // AND mask row: opaque
    DibDecoder::Options icon;
    icon.icon = true;
    const QImage opaque = DibDecoder::decodePacked(dib, icon);
    ASSERT_EQ(opaque.size(), QSize(1, 1));
    EXPECT_EQ(opaque.pixel(0, 0), qRgba(255, 0, 0, 255));

    QByteArray half = infoHeader(1, 2, 32, 0, 0);
    put32(half, 0x80ff0000);
    put32(half, 0);
    EXPECT_EQ(qAlpha(DibDecoder::decodePacked(half, icon).pixel(0, 0)), 0x80);
}

}  // namespace
