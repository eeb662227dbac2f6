#include "tools/IcoWrk32/IconDocument.h"
#include "tools/IcoWrk32/PixelPainter.h"
#include "tools/IcoWrk32/ToolStroke.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb red = 0xffff0000;
constexpr QRgb blue = 0xff0000ff;

// The pixels of a document as rows of characters: '.' transparent, 'r'
// red, 'b' blue, '?' anything else.
QStringList rows(const IconDocument& document, int width, int height)
{
    QStringList result;
    for (int y = 0; y < height; ++y) {
        QString row;
        for (int x = 0; x < width; ++x) {
            const QRgb p = document.image().pixel(x, y);
            row += p == IconDocument::transparent ? QLatin1Char('.') : p == red ? QLatin1Char('r') : p == blue ? QLatin1Char('b') : QLatin1Char('?');
        }
        result.append(row);
    }
    return result;
}

void stroke(IconDocument& document, DrawingTool tool, const QList<QPoint>& points, QRgb colour = red)
{
    ToolStroke s(document);
    s.press(tool, points.first(), colour);
    for (qsizetype i = 1; i < points.size(); ++i)
        s.move(points[i]);
    s.release(points.last());
}

class IconDocumentTest : public ::testing::Test {
protected:
    IconDocumentTest() { document.reset(16, IconDocument::Kind::Icon); }
    IconDocument document;
};

TEST_F(IconDocumentTest, NewPictureIsTransparentOfTheChosenSizeAndUnmodified)
{
    for (int size : IconDocument::sizes) {
        document.reset(size, IconDocument::Kind::Pointer);
        EXPECT_EQ(document.image().size(), QSize(size, size));
        EXPECT_EQ(document.image().pixel(size - 1, size - 1), IconDocument::transparent);
        EXPECT_EQ(document.kind(), IconDocument::Kind::Pointer);
        EXPECT_FALSE(document.isModified());
        EXPECT_FALSE(document.canUndo());
    }
    document.reset(20, IconDocument::Kind::Icon);  // not an editing size
    EXPECT_EQ(document.size(), 32);
}

TEST_F(IconDocumentTest, PencilDragLeavesNoGapsAndEraserMakesPixelsTransparent)
{
    // A drag that jumps from one end of a row to the other draws every pixel between.
    stroke(document, DrawingTool::Pencil, {QPoint(0, 0), QPoint(5, 0), QPoint(5, 2)});
    EXPECT_EQ(rows(document, 7, 3), (QStringList{QStringLiteral("rrrrrr."), QStringLiteral(".....r."), QStringLiteral(".....r.")}));
    // The eraser ignores the drawing colour.
    stroke(document, DrawingTool::Eraser, {QPoint(2, 0), QPoint(3, 0)}, blue);
    stroke(document, DrawingTool::Eraser, {QPoint(5, 1)}, blue);
    EXPECT_EQ(rows(document, 7, 3), (QStringList{QStringLiteral("rr..rr."), QStringLiteral("......."), QStringLiteral(".....r.")}));
}

TEST_F(IconDocumentTest, LineAndRectangleFollowTheDragAndKeepOnlyTheLastShape)
{
    stroke(document, DrawingTool::Line, {QPoint(0, 0), QPoint(4, 4), QPoint(4, 0)});
    EXPECT_EQ(rows(document, 5, 2), (QStringList{QStringLiteral("rrrrr"), QStringLiteral(".....")}));
    document.reset(16, IconDocument::Kind::Icon);
    stroke(document, DrawingTool::Rectangle, {QPoint(3, 3), QPoint(9, 9), QPoint(0, 0)}, blue);
    EXPECT_EQ(rows(document, 5, 5), (QStringList{QStringLiteral("bbbb."), QStringLiteral("b..b."), QStringLiteral("b..b."),
                                                 QStringLiteral("bbbb."), QStringLiteral(".....")}));
    // A diagonal line is one pixel per step.
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(0);
    PixelPainter::line(image, QPoint(3, 3), QPoint(0, 0), red);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.pixel(i, i), red);
    EXPECT_EQ(image.pixel(1, 0), 0u);
}

TEST_F(IconDocumentTest, FillStopsAtOtherColoursAndSpreadsOverTransparency)
{
    stroke(document, DrawingTool::Rectangle, {QPoint(0, 0), QPoint(4, 4)});
    stroke(document, DrawingTool::Fill, {QPoint(2, 2)}, blue);
    EXPECT_EQ(rows(document, 6, 5), (QStringList{QStringLiteral("rrrrr."), QStringLiteral("rbbbr."), QStringLiteral("rbbbr."),
                                                 QStringLiteral("rbbbr."), QStringLiteral("rrrrr.")}));
    // Outside the rectangle the whole transparent rest is one region.
    stroke(document, DrawingTool::Fill, {QPoint(15, 15)}, blue);
    EXPECT_EQ(document.image().pixel(5, 0), blue);
    EXPECT_EQ(document.image().pixel(0, 15), blue);
    EXPECT_EQ(document.image().pixel(0, 0), red);
    // Filling with transparency is erasing a region.
    stroke(document, DrawingTool::Fill, {QPoint(0, 0)}, IconDocument::transparent);
    EXPECT_EQ(document.image().pixel(4, 4), IconDocument::transparent);
    EXPECT_EQ(document.image().pixel(2, 2), blue);
}

TEST_F(IconDocumentTest, ToolsIgnorePixelsOutsideThePicture)
{
    stroke(document, DrawingTool::Pencil, {QPoint(-3, 2), QPoint(20, 2)});
    EXPECT_EQ(document.image().pixel(0, 2), red);
    EXPECT_EQ(document.image().pixel(15, 2), red);
    stroke(document, DrawingTool::Fill, {QPoint(-1, -1)}, blue);
    EXPECT_EQ(document.image().pixel(0, 0), IconDocument::transparent);
    ToolStroke pick(document);
    pick.press(DrawingTool::PickColour, QPoint(99, 99), blue);
    EXPECT_FALSE(pick.picked());
}

TEST_F(IconDocumentTest, EachStrokeIsOneUndoStepAndStrokesThatChangeNothingAreNone)
{
    stroke(document, DrawingTool::Pencil, {QPoint(0, 0), QPoint(3, 0)});
    stroke(document, DrawingTool::Line, {QPoint(0, 1), QPoint(3, 1)}, blue);
    EXPECT_TRUE(document.isModified());
    // Filling a red pixel red, and picking a colour, change nothing.
    stroke(document, DrawingTool::Fill, {QPoint(0, 0)}, red);
    ToolStroke pick(document);
    pick.press(DrawingTool::PickColour, QPoint(0, 1), red);
    pick.release(QPoint(0, 1));
    EXPECT_EQ(pick.picked(), blue);

    ASSERT_TRUE(document.undo());
    EXPECT_EQ(rows(document, 4, 2), (QStringList{QStringLiteral("rrrr"), QStringLiteral("....")}));
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(rows(document, 4, 2), (QStringList{QStringLiteral("...."), QStringLiteral("....")}));
    EXPECT_FALSE(document.undo());
}

TEST_F(IconDocumentTest, UndoKeepsALimitedHistory)
{
    for (int i = 0; i < IconDocument::maxUndoSteps + 5; ++i)
        stroke(document, DrawingTool::Pencil, {QPoint(i % 16, i / 16)});
    int undone = 0;
    while (document.undo())
        ++undone;
    EXPECT_EQ(undone, IconDocument::maxUndoSteps);
    EXPECT_EQ(document.image().pixel(4, 0), red);  // older than the history
    EXPECT_EQ(document.image().pixel(5, 0), IconDocument::transparent);
}

TEST_F(IconDocumentTest, HotSpotIsSetOnPointersOnlyStaysInsideAndIsUndone)
{
    stroke(document, DrawingTool::HotSpot, {QPoint(5, 6)});
    EXPECT_EQ(document.hotSpot(), QPoint(0, 0));  // an icon has none
    EXPECT_FALSE(document.canUndo());

    document.reset(32, IconDocument::Kind::Pointer);
    stroke(document, DrawingTool::HotSpot, {QPoint(5, 6), QPoint(7, 8)});
    EXPECT_EQ(document.hotSpot(), QPoint(7, 8));
    stroke(document, DrawingTool::HotSpot, {QPoint(40, -2)});
    EXPECT_EQ(document.hotSpot(), QPoint(31, 0));
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.hotSpot(), QPoint(7, 8));
    // Only the hot spot changed: the pixels are untouched.
    EXPECT_EQ(document.image().pixel(7, 8), IconDocument::transparent);
}

TEST_F(IconDocumentTest, ResizingScalesWholePixelsAndTheHotSpotAndCanBeUndone)
{
    document.reset(16, IconDocument::Kind::Pointer);
    stroke(document, DrawingTool::Pencil, {QPoint(1, 1)});
    stroke(document, DrawingTool::HotSpot, {QPoint(8, 4)});
    document.resize(48);
    EXPECT_EQ(document.size(), 48);
    EXPECT_EQ(document.hotSpot(), QPoint(24, 12));
    for (int y = 3; y < 6; ++y)
        for (int x = 3; x < 6; ++x)
            EXPECT_EQ(document.image().pixel(x, y), red);
    EXPECT_EQ(document.image().pixel(6, 3), IconDocument::transparent);
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.size(), 16);
    EXPECT_EQ(document.hotSpot(), QPoint(8, 4));
}

}  // namespace
