#include "PictureCompare.h"

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
TEST_P(MetafileRenderingTest, MatchesLibreOfficesRenderingOfTheDrawing)
{
    const Rendering& r = GetParam();
    const QImage picture = Pictures::load(fixture(r.metafile));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), r.size);
    const QImage reference(fixture(r.reference));
    ASSERT_FALSE(reference.isNull());
    const QRect area(QPoint((reference.width() - r.drawn.width()) / 2, (reference.height() - r.drawn.height()) / 2), r.drawn);
    const double share = differingShareNear(picture, reference, area, 64);
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
