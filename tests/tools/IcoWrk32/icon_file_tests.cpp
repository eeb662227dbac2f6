#include "platform/pictures/Pictures.h"
#include "player/records/AtomicFile.h"
#include "tools/IcoWrk32/IconDocument.h"
#include "tools/IcoWrk32/ToolStroke.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr QRgb red = 0xffff0000;
constexpr QRgb teal = 0xff008080;
constexpr QRgb halfBlue = 0x800000ff;

// A picture with every kind of pixel: opaque colours, transparency around
// them and one half-transparent pixel.
IconDocument drawing(int size, IconDocument::Kind kind)
{
    IconDocument document;
    document.reset(size, kind);
    ToolStroke stroke(document);
    stroke.press(DrawingTool::Rectangle, QPoint(1, 1), red);
    stroke.release(QPoint(size - 3, size / 2));
    stroke.press(DrawingTool::Fill, QPoint(2, 2), teal);
    stroke.release(QPoint(2, 2));
    document.beginChange();
    document.pixels().setPixel(size - 1, size - 1, halfBlue);
    document.endChange();
    return document;
}

QString saved(const QTemporaryDir& folder, const QString& name, const IconDocument& document)
{
    const QString path = folder.filePath(name);
    EXPECT_TRUE(AtomicFile::write(path, document.write()));
    return path;
}

// Every pixel the same, transparent pixels compared by their alpha alone.
void expectSamePixels(const QImage& read, const QImage& drawn)
{
    ASSERT_EQ(read.size(), drawn.size());
    const QImage image = read.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb want = drawn.pixel(x, y);
            const QRgb got = image.pixel(x, y);
            if (qAlpha(want) == 0)
                ASSERT_EQ(qAlpha(got), 0) << x << "," << y;
            else
                ASSERT_EQ(got, want) << x << "," << y;
        }
}

TEST(IconFileTest, SavedIconsAreInventoryIconsOfThePlayerWithTheirTransparency)
{
    QTemporaryDir folder;
    for (int size : IconDocument::sizes) {
        const IconDocument document = drawing(size, IconDocument::Kind::Icon);
        const QString path = saved(folder, QStringLiteral("coin%1.ico").arg(size), document);
        // The player loads an inventory icon as a picture.
        expectSamePixels(Pictures::load(path), document.image());
        // Other programs read it as a plain icon too.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QImageReader reader(&file, "ico");
        expectSamePixels(reader.read(), document.image());
    }
}

TEST(IconFileTest, WhollyTransparentIconStaysTransparentForThePlayer)
{
    QTemporaryDir folder;
    IconDocument empty;
    const QImage image = Pictures::load(saved(folder, QStringLiteral("empty.ico"), empty));
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0);
}

TEST(IconFileTest, SavedPointersGiveThePlayersMousePointerTheirHotSpot)
{
    QTemporaryDir folder;
    for (int size : IconDocument::sizes) {
        IconDocument document = drawing(size, IconDocument::Kind::Pointer);
        ToolStroke stroke(document);
        stroke.press(DrawingTool::HotSpot, QPoint(size - 2, 3), 0);
        stroke.release(QPoint(size - 2, 3));
        const QString path = saved(folder, QStringLiteral("hand%1.cur").arg(size), document);

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::optional<Pictures::Pointer> pointer = Pictures::pointer(file.readAll());
        ASSERT_TRUE(pointer);
        EXPECT_EQ(pointer->hotSpot, QPoint(size - 2, 3));
        expectSamePixels(pointer->image, document.image());
        const std::optional<QCursor> cursor = Pictures::cursor(path);
        ASSERT_TRUE(cursor);
        EXPECT_EQ(cursor->hotSpot(), QPoint(size - 2, 3));
    }
}

TEST(IconFileTest, SavedFilesOpenAgainAsTheyWereDrawn)
{
    for (IconDocument::Kind kind : {IconDocument::Kind::Icon, IconDocument::Kind::Pointer}) {
        for (int size : IconDocument::sizes) {
            IconDocument document = drawing(size, kind);
            if (kind == IconDocument::Kind::Pointer)
                document.setHotSpot(QPoint(4, size - 1));
            IconDocument opened;
            ASSERT_TRUE(opened.read(document.write()));
            EXPECT_EQ(opened.kind(), kind);
            EXPECT_EQ(opened.image(), document.image());
            EXPECT_EQ(opened.hotSpot(), kind == IconDocument::Kind::Pointer ? QPoint(4, size - 1) : QPoint(0, 0));
            EXPECT_FALSE(opened.isModified());
            EXPECT_FALSE(opened.canUndo());
        }
    }
}

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(QUENDARA_TEST_DATA "/pictures/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(IconFileTest, OpensTheLargestEditingSizeOfFilesFromOtherTools)
{
    IconDocument document;
    // 16, 32 and 48 pixels: the 48 is edited.
    ASSERT_TRUE(document.read(fixture("multi.ico")));
    EXPECT_EQ(document.size(), 48);
    EXPECT_EQ(document.kind(), IconDocument::Kind::Icon);
    // Two sizes of a cursor, both with the hot spot at 5, 9.
    ASSERT_TRUE(document.read(fixture("two-sizes.cur")));
    EXPECT_EQ(document.size(), 48);
    EXPECT_EQ(document.kind(), IconDocument::Kind::Pointer);
    EXPECT_EQ(document.hotSpot(), QPoint(5, 9));
    ASSERT_TRUE(document.read(fixture("arrow.cur")));
    EXPECT_EQ(document.size(), 32);
    EXPECT_EQ(document.hotSpot(), QPoint(1, 2));
}

TEST(IconFileTest, PicturesOfOtherSizesAreScaledAndUnreadableFilesChangeNothing)
{
    // A single 64-pixel icon is edited at 48 pixels, its hot spot scaled.
    QImage big(64, 64, QImage::Format_ARGB32);
    big.fill(red);
    IconDocument source;
    source.reset(48, IconDocument::Kind::Icon);
    source.pixels() = big;
    IconDocument document;
    ASSERT_TRUE(document.read(source.write()));
    EXPECT_EQ(document.size(), 48);
    EXPECT_EQ(document.image().pixel(47, 47), red);

    document.reset(16, IconDocument::Kind::Pointer);
    EXPECT_FALSE(document.read(QByteArray("not an icon")));
    EXPECT_FALSE(document.read(fixture("bmp24.bmp")));
    QByteArray truncated = fixture("arrow.cur");
    truncated.truncate(30);
    EXPECT_FALSE(document.read(truncated));
    EXPECT_EQ(document.size(), 16);
    EXPECT_EQ(document.kind(), IconDocument::Kind::Pointer);
}

}  // namespace
