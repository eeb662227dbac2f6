#include "RecordBuilders.h"

#include "platform/pictures/Pictures.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

// Region, flood-fill and device-bitmap records of old clip art, on placeable
// metafiles of 100 x 100 units where a unit is a pixel.
namespace {

using RecordBuilders::Wmf;

constexpr uint16_t selectObject = 0x012D, createPen = 0x02FA, createBrush = 0x02FC, rectangle = 0x041B;
constexpr uint16_t createRegion = 0x06FF, fillRegion = 0x0228, paintRegion = 0x012B, frameRegion = 0x0429;
constexpr uint16_t invertRegion = 0x012A, selectClipRegion = 0x012C, floodFill = 0x0419, extFloodFill = 0x0548;
constexpr uint16_t setTextColor = 0x0209, setBkColor = 0x0201, stretchBlt = 0x0B23;

QList<int> brush(uint32_t color, int style = 0)
{
    return {style, int(color & 0xffff), int(color >> 16), 0};
}
const QList<int> nullPen{5, 0, 0, 0, 0};

struct Scan {
    int top, bottom;
    QList<int> xs;  // left, right pairs
};
QList<int> region(const QList<Scan>& scans)
{
    QList<int> words{0, 6, 0, 0, 0, int(scans.size()), 0, 0, 0, 0, 0};
    for (const Scan& s : scans) {
        words << int(s.xs.size()) << s.top << s.bottom;
        words << s.xs;
        words << int(s.xs.size());
    }
    return words;
}

QImage play(const Wmf& wmf)
{
    const QImage image = Pictures::decode(wmf.bytes());
    EXPECT_EQ(image.size(), QSize(100, 100));
    return image;
}

bool clear(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 0;
}

TEST(WmfRegionRecordsTest, FillsPaintsFramesAndInvertsRegionObjects)
{
    Wmf fill;
    fill.record(createBrush, brush(0x0000ff));                                        // 0: red
    fill.record(createRegion, region({{10, 30, {10, 40}}, {30, 60, {10, 20, 50, 90}}}));  // 1
    fill.record(fillRegion, {1, 0});
    QImage image = play(fill);
    EXPECT_EQ(QColor(image.pixel(20, 20)), QColor(Qt::red));
    EXPECT_TRUE(clear(image, 45, 20));
    EXPECT_EQ(QColor(image.pixel(15, 45)), QColor(Qt::red));
    EXPECT_TRUE(clear(image, 30, 45));
    EXPECT_EQ(QColor(image.pixel(70, 45)), QColor(Qt::red));
    EXPECT_TRUE(clear(image, 70, 70));

    Wmf paint;
    paint.record(createBrush, brush(0x00ff00)).record(selectObject, {0});
    paint.record(createRegion, region({{20, 80, {20, 80}}})).record(paintRegion, {1});
    image = play(paint);
    EXPECT_EQ(QColor(image.pixel(50, 50)), QColor(Qt::green));
    EXPECT_TRUE(clear(image, 10, 50));

    // A frame 3 wide on the sides and 2 high at the top and bottom.
    Wmf frame;
    frame.record(createBrush, brush(0xff0000));
    frame.record(createRegion, region({{20, 80, {20, 80}}})).record(frameRegion, {1, 0, 2, 3});
    image = play(frame);
    for (const QPoint p : {QPoint(20, 50), QPoint(22, 50), QPoint(77, 50), QPoint(79, 50), QPoint(50, 20),
                           QPoint(50, 21), QPoint(50, 78), QPoint(50, 79)})
        EXPECT_EQ(QColor(image.pixel(p)), QColor(Qt::blue)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(23, 50), QPoint(76, 50), QPoint(50, 22), QPoint(50, 77), QPoint(50, 50),
                           QPoint(19, 50), QPoint(50, 80)})
        EXPECT_TRUE(clear(image, p.x(), p.y())) << p.x() << "," << p.y();

    // Red over the top half, then the middle inverted: red turns cyan, the
    // undrawn paper black.
    Wmf invert;
    invert.record(createPen, nullPen).record(selectObject, {0});
    invert.record(createBrush, brush(0x0000ff)).record(selectObject, {1});
    invert.record(rectangle, {50, 100, 0, 0});
    invert.record(createRegion, region({{20, 80, {20, 80}}})).record(invertRegion, {2});
    image = play(invert);
    EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(50, 30)), QColor(Qt::cyan));
    EXPECT_EQ(QColor(image.pixel(50, 70)), QColor(Qt::black));
    EXPECT_TRUE(clear(image, 10, 70));
}

TEST(WmfRegionRecordsTest, SelectsARegionAsTheClipAndDropsItForAnIndexThatIsNoRegion)
{
    Wmf wmf;
    wmf.record(createPen, nullPen).record(selectObject, {0});
    wmf.record(createBrush, brush(0x0000ff)).record(selectObject, {1});
    wmf.record(createRegion, region({{0, 100, {0, 50}}})).record(selectClipRegion, {2});
    wmf.record(rectangle, {100, 100, 0, 0});
    wmf.record(selectClipRegion, {99});
    wmf.record(createBrush, brush(0xff0000)).record(selectObject, {3});
    wmf.record(rectangle, {100, 100, 0, 90});
    const QImage image = play(wmf);
    EXPECT_EQ(QColor(image.pixel(25, 50)), QColor(Qt::red));
    EXPECT_TRUE(clear(image, 75, 50));
    EXPECT_EQ(QColor(image.pixel(95, 50)), QColor(Qt::blue));
}

TEST(WmfRegionRecordsTest, FloodFillsToABorderOrOverASurface)
{
    Wmf wmf;
    wmf.record(createPen, {0, 1, 0, 0, 0}).record(selectObject, {0});  // black
    wmf.record(createBrush, brush(0, 1)).record(selectObject, {1});     // hollow
    wmf.record(rectangle, {80, 80, 20, 20});
    wmf.record(createBrush, brush(0x00ff00)).record(selectObject, {2});
    wmf.record(floodFill, {0, 0, 50, 50});  // to the black border
    wmf.record(createBrush, brush(0xff0000)).record(selectObject, {3});
    wmf.record(extFloodFill, {1, 0xffff, 0x00ff, 5, 5});  // over the white paper outside
    wmf.record(floodFill, {0, 0, 50, 500});                // starts outside the picture
    const QImage image = play(wmf);
    EXPECT_EQ(QColor(image.pixel(50, 50)), QColor(Qt::green));
    EXPECT_EQ(QColor(image.pixel(25, 75)), QColor(Qt::green));
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(95, 50)), QColor(Qt::blue));
    int black = 0;
    for (int x = 0; x < 100; ++x)
        black += image.pixel(x, 50) == qRgb(0, 0, 0);
    EXPECT_GE(black, 2);  // the border itself is left alone
}

TEST(WmfRegionRecordsTest, FloodFillsOfAHugePictureStayWithinTheirBudget)
{
    // 2048 x 2048 pixels and a hundred fills of the whole picture: the first
    // is drawn, the budget stops the rest.
    QByteArray bytes = Wmf().record(createBrush, brush(0x0000ff)).record(selectObject, {0}).bytes();
    QByteArray fills;
    for (int i = 0; i < 100; ++i) {
        RecordBuilders::put32(fills, 8);
        RecordBuilders::put16(fills, extFloodFill);
        for (int w : {0, 0x3456, 0x12, 10, 10})
            RecordBuilders::put16(fills, w);
    }
    bytes.insert(bytes.size() - 6, fills);
    bytes[10] = 0, bytes[11] = 0x08, bytes[12] = 0, bytes[13] = 0x08;  // bounds 2048 x 2048
    const qsizetype words = (bytes.size() - 22) / 2;
    bytes[22 + 6] = char(words & 0xff), bytes[22 + 7] = char((words >> 8) & 0xff), bytes[22 + 8] = char(words >> 16);
    // The placeable header's checksum is not checked.
    QElapsedTimer timer;
    timer.start();
    const QImage image = Pictures::decode(bytes);
    ASSERT_EQ(image.size(), QSize(2048, 2048));
    EXPECT_EQ(QColor(image.pixel(2000, 2000)), QColor(Qt::red));
    EXPECT_LT(timer.elapsed(), 30000);
}

// A Bitmap16 record tail: header, then rows of `widthBytes`.
QByteArray bitmap16(int width, int height, int widthBytes, int bits, const QByteArray& rows)
{
    QByteArray b;
    for (int v : {0, width, height, widthBytes})
        RecordBuilders::put16(b, v);
    b.append(char(1)).append(char(bits));
    return b + rows;
}
QByteArray stretchOver100(const QByteArray& bitmap, int w, int h)
{
    QByteArray p;
    RecordBuilders::put32(p, 0x00CC0020);
    for (int v : {h, w, 0, 0, 100, 100, 0, 0})
        RecordBuilders::put16(p, v);
    return p + bitmap;
}

TEST(WmfBitmapRecordsTest, DrawsDeviceDependentBitmapsOfStretchBlt)
{
    // 24 bits: red, green.
    Wmf colour;
    colour.raw(stretchBlt, stretchOver100(bitmap16(2, 1, 6, 24, QByteArray("\0\0\xff\0\xff\0", 6)), 2, 1));
    QImage image = play(colour);
    EXPECT_EQ(QColor(image.pixel(25, 50)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(75, 50)), QColor(Qt::green));

    // One bit: set bits take the background colour (blue), clear bits the
    // text colour (red).
    Wmf mono;
    mono.record(setTextColor, {0x00ff, 0}).record(setBkColor, {0, 0x00ff});
    mono.raw(stretchBlt, stretchOver100(bitmap16(2, 2, 2, 1, QByteArray("\x80\0\x40\0", 4)), 2, 2));
    image = play(mono);
    EXPECT_EQ(QColor(image.pixel(25, 25)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(75, 25)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(25, 75)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(75, 75)), QColor(Qt::blue));

    // Rows missing, planes the player does not read: nothing is drawn.
    Wmf damaged;
    damaged.raw(stretchBlt, stretchOver100(bitmap16(1000, 1000, 2000, 1, QByteArray(8, '\xff')), 2, 2));
    QByteArray planar = bitmap16(2, 2, 2, 1, QByteArray(4, '\xff'));
    planar[8] = 4;
    damaged.raw(stretchBlt, stretchOver100(planar, 2, 2));
    image = play(damaged);
    EXPECT_TRUE(clear(image, 50, 50));
}

}  // namespace
