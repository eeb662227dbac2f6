#include "platform/pictures/Pictures.h"

#include <QByteArray>
#include <QList>

#include <gtest/gtest.h>

// Records LibreOffice never writes (arcs, pies, hatches, saved states,
// clipping, masked blits), checked one by one on small placeable metafiles
// of 100 x 100 units at 96 units per inch, so that a unit is a pixel.
namespace {

class Wmf {
public:
    Wmf& record(uint16_t function, const QList<int>& words)
    {
        put32(body_, 3 + words.size());
        put16(body_, function);
        for (int w : words)
            put16(body_, w);
        return *this;
    }
    Wmf& raw(uint16_t function, const QByteArray& params)
    {
        put32(body_, 3 + params.size() / 2);
        put16(body_, function);
        body_.append(params);
        return *this;
    }
    QByteArray bytes() const
    {
        QByteArray records = body_;
        put32(records, 3);
        put16(records, 0);  // end of file
        QByteArray out;
        put32(out, 0x9AC6CDD7);
        put16(out, 0);
        for (int v : {0, 0, 100, 100, 96})
            put16(out, v);
        put32(out, 0);
        put16(out, 0);
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x300);
        put32(out, int((18 + records.size()) / 2));
        put16(out, 16);
        put32(out, 0);
        put16(out, 0);
        return out + records;
    }
    static void put16(QByteArray& b, int v) { b.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); }
    static void put32(QByteArray& b, int64_t v)
    {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xff));
    }

private:
    QByteArray body_;
};

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
        Wmf::put16(dib, v);
    Wmf::put16(dib, 1);
    Wmf::put16(dib, 1);
    for (int i = 0; i < 6; ++i)
        Wmf::put32(dib, 0);
    Wmf::put32(dib, 0x000000);
    Wmf::put32(dib, 0xffffff);
    Wmf::put32(dib, bottomRow);  // rows bottom-up, each padded to 4 bytes
    Wmf::put32(dib, topRow);
    return dib;
}

QByteArray stretchParams(uint32_t rop, const QByteArray& dib)
{
    QByteArray p;
    Wmf::put32(p, rop);
    for (int v : {2, 2, 0, 0, 100, 100, 0, 0})
        Wmf::put16(p, v);
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
