#include "platform/pictures/Pictures.h"
#include "RecordBuilders.h"

#include <QByteArray>
#include <QList>

#include <gtest/gtest.h>

// Records LibreOffice never writes (arcs, pies, hatches, saved states,
// clipping, masked blits), checked one by one on small placeable metafiles
// of 100 x 100 units at 96 units per inch, so that a unit is a pixel.
namespace {

using RecordBuilders::Wmf;
using RecordBuilders::put16;
using RecordBuilders::put32;

constexpr uint16_t saveDc = 0x001E, restoreDc = 0x0127, selectObject = 0x012D, deleteObject = 0x01F0;
constexpr uint16_t createPen = 0x02FA, createBrush = 0x02FC, rectangle = 0x041B, pie = 0x081A, chord = 0x0830;
constexpr uint16_t intersectClip = 0x0416, setBkMode = 0x0102, setBkColor = 0x0201, dibStretchBlt = 0x0B41;

// Solid brush of a 0x00BBGGRR colour, or a hatched one.
QList<int> brush(uint32_t color, int style = 0, int hatch = 0)
{
    return {style, int(color & 0xffff), int(color >> 16), hatch};
}
const QList<int> nullPen{5, 0, 0, 0, 0};

QImage play(const Wmf& wmf)
{
    const QImage image = Pictures::decode(wmf.bytes());
    EXPECT_EQ(image.size(), QSize(100, 100));
    return image;
}

TEST(WmfRecordsTest, DrawsPiesAndChordsCounterclockwiseFromTheStartRadial)
{
    Wmf wmf;
    wmf.record(createPen, nullPen).record(selectObject, {0});
    wmf.record(createBrush, brush(0x0000ff)).record(selectObject, {1});
    // Pie of the circle in (0,0)-(100,100) from the right (start) to the top
    // (end): counterclockwise that is the upper right quarter.
    wmf.record(pie, {0, 50, 50, 100, 100, 100, 0, 0});
    const QImage image = play(wmf);
    EXPECT_EQ(QColor(image.pixel(70, 30)), QColor(Qt::red));
    EXPECT_EQ(qAlpha(image.pixel(30, 30)), 0);
    EXPECT_EQ(qAlpha(image.pixel(70, 70)), 0);

    Wmf chordWmf;
    chordWmf.record(createPen, nullPen).record(selectObject, {0});
    chordWmf.record(createBrush, brush(0x00ff00)).record(selectObject, {1});
    // From the top to the bottom counterclockwise: the left half.
    chordWmf.record(chord, {100, 50, 0, 50, 100, 100, 0, 0});
    const QImage half = play(chordWmf);
    EXPECT_EQ(QColor(half.pixel(20, 50)), QColor(Qt::green));
    EXPECT_EQ(qAlpha(half.pixel(80, 50)), 0);
}

TEST(WmfRecordsTest, FillsHatchGapsWithTheBackgroundOnlyWhenOpaque)
{
    for (const int mode : {1, 2}) {
        Wmf wmf;
        wmf.record(createPen, nullPen).record(selectObject, {0});
        wmf.record(setBkMode, {mode}).record(setBkColor, {0xff00, 0x0000});  // green background
        wmf.record(createBrush, brush(0xff0000, 2, 4)).record(selectObject, {1});  // blue cross hatch
        wmf.record(rectangle, {100, 100, 0, 0});
        const QImage image = play(wmf);
        int blue = 0, green = 0, clear = 0;
        for (int y = 10; y < 90; ++y) {
            for (int x = 10; x < 90; ++x) {
                const QRgb p = image.pixel(x, y);
                blue += p == qRgb(0, 0, 255);
                green += p == qRgb(0, 255, 0);
                clear += qAlpha(p) == 0;
            }
        }
        EXPECT_GT(blue, 400) << mode;
        if (mode == 2) {
            EXPECT_GT(green, 3000);
            EXPECT_EQ(clear, 0);
        } else {
            EXPECT_EQ(green, 0);
            EXPECT_GT(clear, 3000);
        }
    }
}

TEST(WmfRecordsTest, RestoresTheSavedBrushAndClip)
{
    Wmf wmf;
    wmf.record(createPen, nullPen).record(selectObject, {0});
    wmf.record(createBrush, brush(0x0000ff)).record(selectObject, {1});
    wmf.record(saveDc, {});
    wmf.record(intersectClip, {50, 50, 0, 0});
    wmf.record(createBrush, brush(0xff0000)).record(selectObject, {2});
    wmf.record(rectangle, {100, 100, 0, 0});  // blue, clipped to the top left quarter
    wmf.record(restoreDc, {0xffff});
    wmf.record(deleteObject, {2});
    wmf.record(rectangle, {100, 100, 60, 60});  // red again, unclipped
    const QImage image = play(wmf);
    EXPECT_EQ(QColor(image.pixel(20, 20)), QColor(Qt::blue));
    EXPECT_EQ(qAlpha(image.pixel(55, 20)), 0);
    EXPECT_EQ(QColor(image.pixel(80, 80)), QColor(Qt::red));
}

// A one-bit 2 x 2 bitmap stretched over (0,0)-(100,100): set bits white.
QByteArray maskBitmap(int topRow, int bottomRow)
{
    QByteArray dib;
    for (int v : {40, 0, 2, 0, 2, 0})
        put16(dib, v);
    put16(dib, 1);
    put16(dib, 1);
    for (int i = 0; i < 6; ++i)
        put32(dib, 0);
    put32(dib, 0x000000);
    put32(dib, 0xffffff);
    put32(dib, bottomRow);  // rows bottom-up, each padded to 4 bytes
    put32(dib, topRow);
    return dib;
}

QByteArray stretchParams(uint32_t rop, const QByteArray& dib)
{
    QByteArray p;
    put32(p, rop);
    for (int v : {2, 2, 0, 0, 100, 100, 0, 0})
        put16(p, v);
    return p + dib;
}

TEST(WmfRecordsTest, MasksBitmapsWithAndThenOrLeavingTheRestTransparent)
{
    constexpr uint32_t srcAnd = 0x008800C6, srcPaint = 0x00EE0086;
    Wmf wmf;
    // Mask: black (drawn) top left only; then the image: white top left.
    wmf.raw(dibStretchBlt, stretchParams(srcAnd, maskBitmap(0x40, 0xC0)));
    wmf.raw(dibStretchBlt, stretchParams(srcPaint, maskBitmap(0x80, 0x00)));
    const QImage image = play(wmf);
    EXPECT_EQ(QColor(image.pixel(25, 25)), QColor(Qt::white));
    EXPECT_EQ(qAlpha(image.pixel(75, 25)), 0);
    EXPECT_EQ(qAlpha(image.pixel(25, 75)), 0);
    EXPECT_EQ(qAlpha(image.pixel(75, 75)), 0);
}

}  // namespace
