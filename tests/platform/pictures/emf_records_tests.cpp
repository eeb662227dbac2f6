#include "RecordBuilders.h"

#include "platform/pictures/Pictures.h"

#include <gtest/gtest.h>

// EMF records of drawing programs of the 1990s that LibreOffice does not
// write (regions, clip regions, flood fills, several texts at once, masked
// and parallelogram blits), on pictures of 96 x 96 pixels where a logical
// unit is a pixel.
namespace {

using RecordBuilders::Emf;
using RecordBuilders::put32;

enum : uint32_t {
    Rectangle = 43, SelectObject = 37, CreateBrushIndirect = 39, ExtFloodFill = 53, FillRgn = 71, FrameRgn = 72,
    InvertRgn = 73, PaintRgn = 74, ExtSelectClipRgn = 75, MaskBlt = 78, PlgBlt = 79, PolyTextOutW = 97,
};
constexpr int64_t nullPen = 0x80000008, blackBrushStock = 0x80000004;

// RegionData of rectangles (left, top, right, bottom).
QList<int64_t> regionData(const QList<QRect>& rects)
{
    QList<int64_t> v{32, 1, rects.size(), rects.size() * 16, 0, 0, 96, 96};
    for (const QRect& r : rects)
        v << r.left() << r.top() << r.right() + 1 << r.bottom() + 1;
    return v;
}
int64_t regionSize(const QList<QRect>& rects)
{
    return 32 + 16 * rects.size();
}

Emf withBrush(uint32_t color)
{
    Emf emf;
    emf.record(SelectObject, {nullPen});
    emf.record(CreateBrushIndirect, {1, 0, color, 0}).record(SelectObject, {1});
    return emf;
}

QImage play(const Emf& emf)
{
    const QImage image = Pictures::decode(emf.bytes());
    EXPECT_EQ(image.size(), QSize(96, 96));
    return image;
}

bool clear(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 0;
}

TEST(EmfRegionRecordsTest, FillsPaintsFramesAndInvertsRegions)
{
    const QList<QRect> square{QRect(QPoint(20, 20), QPoint(59, 59))};
    Emf fill = withBrush(0x0000ff);
    fill.record(CreateBrushIndirect, {2, 0, 0xff0000, 0});
    fill.record(FillRgn, QList<int64_t>{0, 0, 0, 0, regionSize(square), 2} + regionData(square));
    fill.record(FillRgn, QList<int64_t>{0, 0, 0, 0, regionSize({QRect(70, 0, 10, 10)}), blackBrushStock}
                             + regionData({QRect(70, 0, 10, 10)}));
    fill.record(PaintRgn, QList<int64_t>{0, 0, 0, 0, regionSize({QRect(0, 70, 10, 10)})}
                              + regionData({QRect(0, 70, 10, 10)}));
    QImage image = play(fill);
    EXPECT_EQ(QColor(image.pixel(40, 40)), QColor(Qt::blue));
    EXPECT_TRUE(clear(image, 10, 40));
    EXPECT_EQ(QColor(image.pixel(75, 5)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(5, 75)), QColor(Qt::red));  // the selected brush

    Emf frame = withBrush(0x0000ff);
    frame.record(FrameRgn, QList<int64_t>{0, 0, 0, 0, regionSize(square), blackBrushStock, 2, 4} + regionData(square));
    image = play(frame);
    for (const QPoint p : {QPoint(20, 40), QPoint(21, 40), QPoint(58, 40), QPoint(40, 20), QPoint(40, 23)})
        EXPECT_EQ(QColor(image.pixel(p)), QColor(Qt::black)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(22, 40), QPoint(57, 40), QPoint(40, 24), QPoint(40, 40), QPoint(60, 40)})
        EXPECT_TRUE(clear(image, p.x(), p.y())) << p.x() << "," << p.y();

    Emf invert = withBrush(0x0000ff);
    invert.record(Rectangle, {0, 0, 96, 40});
    invert.record(InvertRgn, QList<int64_t>{0, 0, 0, 0, regionSize(square)} + regionData(square));
    image = play(invert);
    EXPECT_EQ(QColor(image.pixel(40, 30)), QColor(Qt::cyan));
    EXPECT_EQ(QColor(image.pixel(40, 50)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::red));
    EXPECT_TRUE(clear(image, 5, 50));
}

TEST(EmfRegionRecordsTest, CombinesClipRegionsByEveryMode)
{
    // A = x 0..59 set by copy, then B = x 40..95 by the mode; a fill of the
    // whole picture shows the clip at x = 20 (A only), 50 (both), 80 (B only).
    struct Case {
        int mode;
        bool a, both, b;
    };
    const QList<QRect> a{QRect(0, 0, 60, 96)}, b{QRect(40, 0, 56, 96)};
    for (const Case& c : {Case{1, false, true, false}, Case{2, true, true, true}, Case{3, true, false, true},
                          Case{4, true, false, false}, Case{5, false, true, true}}) {
        Emf emf = withBrush(0x0000ff);
        emf.record(ExtSelectClipRgn, QList<int64_t>{regionSize(a), 5} + regionData(a));
        emf.record(ExtSelectClipRgn, QList<int64_t>{regionSize(b), c.mode} + regionData(b));
        emf.record(Rectangle, {0, 0, 96, 96});
        const QImage image = play(emf);
        EXPECT_EQ(!clear(image, 20, 50), c.a) << c.mode;
        EXPECT_EQ(!clear(image, 50, 50), c.both) << c.mode;
        EXPECT_EQ(!clear(image, 80, 50), c.b) << c.mode;
    }
    // Copy without a region drops the clip.
    Emf reset = withBrush(0x0000ff);
    reset.record(ExtSelectClipRgn, QList<int64_t>{regionSize(a), 5} + regionData(a));
    reset.record(ExtSelectClipRgn, {0, 5});
    reset.record(Rectangle, {0, 0, 96, 96});
    EXPECT_FALSE(clear(play(reset), 80, 50));
}

TEST(EmfRecordsTest, FloodFillsToABorderAndOverASurface)
{
    Emf emf;
    emf.record(SelectObject, {0x80000007}).record(SelectObject, {0x80000005});  // black pen, hollow brush
    emf.record(Rectangle, {20, 20, 70, 70});
    emf.record(CreateBrushIndirect, {1, 0, 0x00ff00, 0}).record(SelectObject, {1});
    emf.record(ExtFloodFill, {45, 45, 0x000000, 0});  // border
    emf.record(CreateBrushIndirect, {2, 0, 0xff0000, 0}).record(SelectObject, {2});
    emf.record(ExtFloodFill, {5, 5, 0xffffff, 1});  // surface: the white paper outside
    const QImage image = play(emf);
    EXPECT_EQ(QColor(image.pixel(45, 45)), QColor(Qt::green));
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(90, 90)), QColor(Qt::blue));
}

TEST(EmfRecordsTest, WritesEveryTextOfPolyTextOut)
{
    // Two runs of "Hi" at (5, 10) and (50, 60).
    QByteArray params;
    for (int v : {0, 0, 96, 96, 1, 0, 0, 2})
        put32(params, v);
    const int strings = 8 + params.size() + 2 * 40;
    for (int i = 0; i < 2; ++i) {
        for (int v : {i == 0 ? 5 : 50, i == 0 ? 10 : 60, 2, strings + 4 * i, 0, 0, 0, 0, 0, 0})
            put32(params, v);
    }
    params.append(QByteArray("H\0i\0H\0i\0", 8));
    Emf emf;
    emf.raw(PolyTextOutW, params);
    const QImage image = play(emf);
    const auto inked = [&](QRect box) {
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (!clear(image, x, y))
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(QRect(5, 10, 40, 25)));
    EXPECT_TRUE(inked(QRect(50, 60, 40, 30)));
    EXPECT_FALSE(inked(QRect(5, 60, 40, 30)));
    EXPECT_FALSE(inked(QRect(50, 0, 40, 10)));
}

// A 2 x 2 24-bit DIB: red, green over blue, white.
QByteArray colourDib()
{
    QByteArray b;
    for (int v : {40, 2, 2})
        put32(b, v);
    b.append("\x01\0\x18\0", 4);
    for (int i = 0; i < 6; ++i)
        put32(b, 0);
    b.append(QByteArray("\xff\0\0\xff\xff\xff\0\0", 8));  // bottom row: blue, white
    b.append(QByteArray("\0\0\xff\0\xff\0\0\0", 8));      // top row: red, green
    return b;
}
// A 2 x 2 one-bit DIB whose set bits are the top left and bottom right.
QByteArray maskDib()
{
    QByteArray b;
    for (int v : {40, 2, 2})
        put32(b, v);
    b.append("\x01\0\x01\0", 4);
    for (int i = 0; i < 6; ++i)
        put32(b, 0);
    put32(b, 0x000000);
    put32(b, 0xffffff);
    put32(b, 0x40);
    put32(b, 0x80);
    return b;
}
const QList<int64_t> identity{0x3f800000, 0, 0, 0x3f800000, 0, 0};

TEST(EmfBitmapRecordsTest, MaskBltLeavesTheDestinationWhereTheMaskIsClear)
{
    const QByteArray source = colourDib(), mask = maskDib();
    const int sourceAt = 128, maskAt = sourceAt + source.size();
    QList<int64_t> v{0, 0, 0, 0, 10, 10, 2, 2, 0xAACC0020, 0, 0};
    v << identity << 0 << 0 << sourceAt << 40 << sourceAt + 40 << 16;
    v << 0 << 0 << 0 << maskAt << 48 << maskAt + 48 << 8;
    QByteArray params;
    for (int64_t x : v)
        put32(params, x);
    ASSERT_EQ(params.size() + 8, sourceAt);
    Emf emf;
    emf.raw(MaskBlt, params + source + mask);
    QImage image = play(emf);
    EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(Qt::red));
    EXPECT_TRUE(clear(image, 11, 10));
    EXPECT_TRUE(clear(image, 10, 11));
    EXPECT_EQ(QColor(image.pixel(11, 11)), QColor(Qt::white));

    // Without a mask it is a plain blit.
    v = {0, 0, 0, 0, 10, 10, 2, 2, 0xAACC0020, 0, 0};
    v << identity << 0 << 0 << sourceAt << 40 << sourceAt + 40 << 16 << 0 << 0 << 0 << 0 << 0 << 0 << 0;
    params.clear();
    for (int64_t x : v)
        put32(params, x);
    Emf plain;
    plain.raw(MaskBlt, params + source);
    image = play(plain);
    EXPECT_EQ(QColor(image.pixel(11, 10)), QColor(Qt::green));
    EXPECT_EQ(QColor(image.pixel(10, 11)), QColor(Qt::blue));
}

TEST(EmfBitmapRecordsTest, PlgBltDrawsTheSourceIntoTheParallelogram)
{
    const QByteArray source = colourDib();
    const int sourceAt = 140;
    // Upper left at (90, 10), upper right at (10, 10), lower left at
    // (90, 90): the bitmap mirrored left to right and stretched.
    QList<int64_t> v{0, 0, 0, 0, 90, 10, 10, 10, 90, 90, 0, 0, 2, 2};
    v << identity << 0 << 0 << sourceAt << 40 << sourceAt + 40 << 16 << 0 << 0 << 0 << 0 << 0 << 0 << 0;
    QByteArray params;
    for (int64_t x : v)
        put32(params, x);
    ASSERT_EQ(params.size() + 8, sourceAt);
    Emf emf;
    emf.raw(PlgBlt, params + source);
    const QImage image = play(emf);
    EXPECT_EQ(QColor(image.pixel(70, 30)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(30, 30)), QColor(Qt::green));
    EXPECT_EQ(QColor(image.pixel(70, 70)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(30, 70)), QColor(Qt::white));
    EXPECT_TRUE(clear(image, 5, 50));
}

// Records whose counts, sizes and offsets run past their ends draw nothing
// and leave the rest of the picture.
TEST(EmfRecordsTest, PassesOverDamagedRegionTextAndBlitRecords)
{
    Emf emf = withBrush(0x0000ff);
    emf.record(FillRgn, {0, 0, 0, 0, 1000, 1, 32, 1, 100000, 0, 0, 0, 96, 96});
    emf.record(FrameRgn, {0, 0, 0, 0, 48, 1, 1 << 30, 1 << 30, 32, 1, 1000, 16, 0, 0, 96, 96, 0, 0, 96, 96});
    emf.record(InvertRgn, {0, 0, 0, 0, 0xffffffff});
    emf.record(ExtSelectClipRgn, {48, 9, 32, 1, 1, 16, 0, 0, 9, 9, 0, 0, 9, 9});
    emf.record(PolyTextOutW, {0, 0, 0, 0, 1, 0, 0, 0x7fffffff, 5, 5, 1000, 9999, 0, 0, 0, 0, 0, 9999});
    emf.record(MaskBlt, {0, 0, 0, 0, 0, 0, 50, 50, 0xAACC0020, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 500, 40, 9000, 99});
    emf.record(PlgBlt, {0, 0, 0, 0, 1, 2, 3});
    emf.record(ExtFloodFill, {-100000, 5});
    emf.record(Rectangle, {80, 80, 96, 96});
    const QImage image = play(emf);
    EXPECT_EQ(QColor(image.pixel(90, 90)), QColor(Qt::red));
    EXPECT_TRUE(clear(image, 40, 40));
}

}  // namespace
