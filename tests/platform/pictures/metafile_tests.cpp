#include "PictureCompare.h"
#include "RecordBuilders.h"

#include "platform/pictures/Pictures.h"

#include <gtest/gtest.h>

using PictureCompare::differingShareNear;
using PictureCompare::fixture;

namespace {

struct Rendering {
    const char* metafile;
    const char* reference;
    QSize size;
    QSize drawn;  // the part of the page the metafile holds, in reference pixels
    // Where the metafile's own rectangle is larger than the page: the page,
    // at the picture's top-left corner.
    QSize page = {};
};

class MetafileRenderingTest : public testing::TestWithParam<Rendering> {};

// LibreOffice draws the SVG page to PNG whole, but writes to a metafile only
// the page inside a margin of about 11 pixels on every side; the reference
// is cut to that middle part before comparing.
//
// Tolerance: a pixel differs when a channel is off by more than 64, and at
// most 5% of pixels may differ. LibreOffice smooths edges and text while
// the old system, which we follow, did not, and its text comes from its own
// font engine: edges and glyphs account for 1-3% of these drawings. A
// missing or misplaced shape, a wrong colour or a wrong mapping costs far
// more (every shape here covers 2% or more).
TEST_P(MetafileRenderingTest, MatchesTheWritingToolsOwnRenderingOfTheDrawing)
{
    const Rendering& r = GetParam();
    const QImage picture = Pictures::load(fixture(r.metafile));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), r.size);
    const QImage reference(fixture(r.reference));
    ASSERT_FALSE(reference.isNull());
    const QRect area(QPoint((reference.width() - r.drawn.width()) / 2, (reference.height() - r.drawn.height()) / 2), r.drawn);
    const QImage page = r.page.isEmpty() ? picture : picture.copy(QRect(QPoint(0, 0), r.page));
    const double share = differingShareNear(page, reference, area, 64);
    RecordProperty("differing", std::to_string(share));
    EXPECT_LT(share, 0.05) << r.metafile;
}

INSTANTIATE_TEST_SUITE_P(
    LibreOfficeDrawings, MetafileRenderingTest,
    testing::Values(Rendering{"shapes.wmf", "shapes-reference.png", {298, 218}, {298, 218}},
                    Rendering{"shapes.emf", "shapes-reference.png", {298, 218}, {298, 218}},
                    Rendering{"clipart.wmf", "clipart-reference.png", {595, 435}, {595, 435}},
                    Rendering{"clipart.emf", "clipart-reference.png", {595, 435}, {595, 435}},
                    // No header gives the size: the window the records set
                    // up, brought down to 1024 pixels on its longer side.
                    Rendering{"shapes-plain.wmf", "shapes-reference.png", {1024, 749}, {298, 218}}));

// Inkscape writes the whole page into its metafiles, and its WMF header
// counts the placeable header in the metafile's size. Its EMF frame is
// rounded up to whole millimetres, a pixel or two beyond the page. Its own
// PNG export of the drawing is the reference.
INSTANTIATE_TEST_SUITE_P(
    InkscapeDrawings, MetafileRenderingTest,
    testing::Values(Rendering{"shapes-inkscape.wmf", "shapes-inkscape-reference.png", {320, 240}, {320, 240}},
                    Rendering{"shapes-inkscape.emf", "shapes-inkscape-reference.png", {321, 242}, {320, 240}, {320, 240}},
                    Rendering{"clipart-inkscape.wmf", "clipart-inkscape-reference.png", {640, 480}, {640, 480}},
                    Rendering{"clipart-inkscape.emf", "clipart-inkscape-reference.png", {642, 480}, {640, 480}, {640, 480}}));

}  // namespace

namespace {

// Points of shapes.svg, less LibreOffice's margin of 10.9 pixels.
QPoint inPicture(double svgX, double svgY)
{
    return QPoint(int(svgX - 10.9), int(svgY - 10.9));
}

TEST(MetafileTest, LeavesUndrawnPixelsTransparentAndFillsShapesWithTheirOwnColour)
{
    for (const char* name : {"shapes.wmf", "shapes.emf"}) {
        const QImage picture = Pictures::load(fixture(name));
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(qAlpha(picture.pixel(inPicture(140, 95))), 0) << name;
        EXPECT_EQ(QColor(picture.pixel(inPicture(70, 45))), QColor(0x30, 0x60, 0xc0)) << name;
        // The hole of the even-odd figure stays empty; its ring is filled.
        EXPECT_EQ(qAlpha(picture.pixel(inPicture(200, 145))), 0) << name;
        EXPECT_EQ(QColor(picture.pixel(inPicture(160, 145))), QColor(0x80, 0x40, 0xa0)) << name;
    }
}

}  // namespace

namespace {

// The metafile's size in its header, in 16-bit words, lies after the
// 22-byte placeable header and three words of its own.
constexpr qsizetype sizeField = 22 + 6;

void setDeclaredWords(QByteArray& wmf, int64_t words)
{
    QByteArray field;
    RecordBuilders::put32(field, words);
    wmf.replace(sizeField, 4, field);
}

TEST(MetafileTest, TakesAWmfWhoseHeaderMiscountsItsSizeWhenItsRecordsAreSound)
{
    RecordBuilders::Wmf drawing;
    drawing.record(0x02FC, {0, 0x00ff, 0, 0}).record(0x012D, {0});  // a red brush, selected
    drawing.record(0x041B, {100, 100, 0, 0});                         // a rectangle over the whole page
    const QByteArray sound = drawing.bytes();
    ASSERT_EQ(QColor(Pictures::decode(sound).pixel(50, 50)), QColor(Qt::red));

    // Counting the placeable header too, as Inkscape does, or any size at all.
    for (const int64_t words : {int64_t(sound.size() / 2), int64_t(0x7fffffff), int64_t(0)}) {
        QByteArray miscounted = sound;
        setDeclaredWords(miscounted, words);
        const QImage picture = Pictures::decode(miscounted);
        ASSERT_FALSE(picture.isNull()) << words;
        EXPECT_EQ(QColor(picture.pixel(50, 50)), QColor(Qt::red)) << words;
    }

    // A file that has lost its end: its header says more than it holds, and
    // no end record is left.
    QByteArray cut = sound.left(sound.size() - 6);
    EXPECT_TRUE(Pictures::decode(cut).isNull());
    // A record that runs past the end of the file is damage whatever the header says.
    QByteArray overlong = sound;
    setDeclaredWords(overlong, sound.size() / 2);
    overlong[22 + 18] = char(0x7f);  // the first record's size
    EXPECT_TRUE(Pictures::decode(overlong).isNull());
}

TEST(MetafileTest, TakesAnEmfWhoseHeaderMiscountsItsSizeWhenItsRecordsAreSound)
{
    const QByteArray sound = RecordBuilders::Emf().bytes();
    ASSERT_FALSE(Pictures::decode(sound).isNull());
    constexpr qsizetype sizeField = 48;  // the file's size in bytes, in the header
    QByteArray miscounted = sound;
    QByteArray field;
    RecordBuilders::put32(field, int64_t(sound.size()) + 1000);
    miscounted.replace(sizeField, 4, field);
    EXPECT_EQ(Pictures::decode(miscounted).size(), QSize(96, 96));
    // Without its end record it has lost its end.
    EXPECT_TRUE(Pictures::decode(miscounted.left(miscounted.size() - 20)).isNull());
}

}  // namespace
